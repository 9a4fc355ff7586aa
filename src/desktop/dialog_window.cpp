#include "desktop/dialog_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "core/errors.h"
#include "desktop/dialog_button.h"

namespace {

constexpr Qt::WindowFlags kTitleBarWithCloseOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

template <class Control>
Control* place(Control* control, const char* name, DialogWindow::Box box) {
  control->setObjectName(name);
  control->setGeometry(box.left, box.top, box.width, box.height);
  return control;
}

}  // namespace

DialogWindow::DialogWindow(const char* name, const char* title, QSize clientSize)
    : QDialog(nullptr, kTitleBarWithCloseOnly) {
  setObjectName(name);
  setWindowTitle(title);
  setFixedSize(clientSize);
}

// Centred, frame and all, at the first showing, when the frame's size is known;
// from then on the dialog comes back wherever the player left it.
void DialogWindow::showEvent(QShowEvent*) {
  if (placed_) return;
  placed_ = true;
  const QScreen* s = screen();
  if (!s) return;
  const QSize withFrame = size().grownBy(windowHandle()->frameMargins());
  move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, withFrame, s->geometry()).topLeft());
}

QLabel* DialogWindow::placeLabel(const char* name, const char* caption, Box box) {
  return place(new QLabel(caption, this), name, box);
}

QPushButton* DialogWindow::placeButton(const char* name, const char* caption, Box box, const char* clickHandler,
                                       std::function<void()> click) {
  auto* button = place(new DialogButton(caption, this), name, box);
  connect(button, &QPushButton::clicked, this, [clickHandler, click = std::move(click)] { runHandler(clickHandler, click); });
  if (!focusWidget()) button->setFocus();
  return button;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // QDialog would reject() on Esc and hide the dialog; the title bar's close
  // goes through reject() as well and must keep hiding it.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}
