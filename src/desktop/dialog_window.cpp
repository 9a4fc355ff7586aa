#include "desktop/dialog_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <cstddef>
#include <string>

#include "desktop/dialog_button.h"
#include "ui/caption_fit.h"

namespace {

constexpr Qt::WindowFlags kTitleBarWithCloseOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
// States a window manager may put a dialog in, though it asks for a fixed size
// and for no minimise or maximise button.
constexpr Qt::WindowStates kNotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

DialogWindow::DialogWindow(const dialog_layout::Dialog& layout, const DialogClicks& clicks, QWidget& battlefield)
    : QDialog(&battlefield, kTitleBarWithCloseOnly), layout_(layout), titleBarClose_(clicks.at(kTitleBarClose)) {
  setObjectName(text(layout.name));
  setWindowTitle(text(layout.title));
  setFixedSize(layout.clientWidth, layout.clientHeight);
  for (const dialog_layout::Control& control : layout.controls) {
    if (control.kind == dialog_layout::Kind::Label) {
      place(new QLabel(text(control.caption), this), control);
    } else {
      placeButton(control, clicks.at(control.name));
    }
  }
  fitCaptions();
  focusOnShowing_ = findChild<QWidget*>(text(layout.focusOnShowing().name));
}

template <class Control>
Control* DialogWindow::place(Control* control, const dialog_layout::Control& tabled) {
  control->setObjectName(text(tabled.name));
  control->setGeometry(tabled.box.left, tabled.box.top, tabled.box.width, tabled.box.height);
  controls_.push_back(control);
  return control;
}

QLabel* DialogWindow::label(std::string_view name) const { return findChild<QLabel*>(text(name)); }

void DialogWindow::setCaption(QLabel* label, const QString& caption) {
  label->setText(caption);
  fitCaptions();
}

void DialogWindow::fitCaptions() {
  const caption_fit::Fitted fitted = caption_fit::fit(layout_, [this](std::size_t i) -> caption_fit::Needs {
    const QWidget* widget = controls_[i];
    return {widget->minimumSizeHint().width(), [widget](int width) {
              return widget->hasHeightForWidth() ? widget->heightForWidth(width) : widget->minimumSizeHint().height();
            }};
  });
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const dialog_layout::Box& b = fitted.boxes[i];
    controls_[i]->setGeometry(b.left, b.top, b.width, b.height);
  }
  setFixedSize(fitted.clientWidth, fitted.clientHeight);
}

void DialogWindow::setVisible(bool visible) {
  if (!visible) {
    // The battlefield first, while the dialog still has the focus to hand on:
    // a window manager that sees the focused window go gives the focus to the
    // window focused before it, which may be another program's, and then
    // refuses it to the battlefield; the game would take no keys until clicked.
    parentWidget()->activateWindow();
    QDialog::setVisible(false);
    return;
  }
  // A dialog hidden while minimised would otherwise come back minimised.
  setWindowState(windowState() & ~kNotNormal);
  focusOnShowing_->setFocus();
  QDialog::setVisible(true);
  raise();
  activateWindow();
}

// Centred, frame and all, at the first showing; from then on the dialog comes
// back wherever the player left it. An X11 window manager frames the dialog
// only as it maps it: the frame is known from its first exposure on, not yet here.
void DialogWindow::showEvent(QShowEvent*) {
  if (placed_) return;
  placed_ = true;
  centreOnScreen();
  windowHandle()->installEventFilter(this);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    centreOnScreen();
  }
  return QDialog::eventFilter(watched, event);
}

// Placed by its client area: move() would place the frame by the frame Qt
// noted last, which may be older than the one the window manager reports now.
void DialogWindow::centreOnScreen() {
  const QScreen* s = screen();
  if (!s) return;
  const QMargins frame = windowHandle()->frameMargins();
  const QRect framed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size().grownBy(frame), s->geometry());
  setGeometry(framed - frame);
}

void DialogWindow::placeButton(const dialog_layout::Control& tabled, std::function<void()> click) {
  auto* button = place(new DialogButton(text(tabled.caption), this), tabled);
  connect(button, &QPushButton::clicked, this, std::move(click));
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // QDialog would reject() on Esc and hide the dialog; the title bar's close
  // goes through reject() as well and must keep hiding it.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void DialogWindow::reject() { titleBarClose_(); }
