#include "desktop/dialog_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <map>
#include <string>

#include "core/errors.h"
#include "desktop/dialog_button.h"

namespace {

constexpr Qt::WindowFlags kTitleBarWithCloseOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Along one axis of the client area: where a control starts and how far it reaches.
struct Span {
  int start, extent;
  int end() const { return start + extent; }
};

bool overlap(Span a, Span b) { return a.start < b.end() && b.start < a.end(); }

// Gives each control the extent it needs along one axis, never less than its
// tabled one. A control that grows pushes on, by as much, the controls after
// it that sit alongside it across the axis (`alongside(i, j)`), so no tabled
// gap between them shrinks; controls that started level stay level.
template <class Alongside>
std::vector<Span> grow(const std::vector<Span>& tabled, const std::vector<int>& needed, Alongside alongside) {
  std::map<int, std::vector<size_t>> level;  // by tabled start, nearest first
  for (size_t i = 0; i < tabled.size(); ++i) level[tabled[i].start].push_back(i);
  std::vector<Span> grown(tabled.size());
  for (const auto& [start, group] : level) {
    int push = 0;
    for (size_t i : group)
      for (size_t j = 0; j < tabled.size(); ++j)
        if (tabled[j].end() <= start && alongside(i, j)) push = std::max(push, grown[j].end() - tabled[j].end());
    for (size_t i : group) grown[i] = {start + push, std::max(tabled[i].extent, needed[i])};
  }
  return grown;
}

int farthest(const std::vector<Span>& spans) {
  int end = 0;
  for (const Span& s : spans) end = std::max(end, s.end());
  return end;
}

// The farthest control keeps its tabled margin to the client's edge.
int clientExtent(int tabledClient, const std::vector<Span>& tabled, const std::vector<Span>& grown) {
  return std::max(tabledClient, farthest(grown) + tabledClient - farthest(tabled));
}

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

DialogWindow::DialogWindow(const dialog_layout::Dialog& layout, const Clicks& clicks)
    : QDialog(nullptr, kTitleBarWithCloseOnly), tabledClient_(layout.clientWidth, layout.clientHeight) {
  setObjectName(text(layout.name));
  setWindowTitle(text(layout.title));
  setFixedSize(tabledClient_);
  for (const dialog_layout::Control& control : layout.controls) {
    if (control.kind == dialog_layout::Kind::Label) {
      place(new QLabel(text(control.caption), this), control);
    } else {
      placeButton(control, clicks.at(control.name));
    }
  }
}

template <class Control>
Control* DialogWindow::place(Control* control, const dialog_layout::Control& tabled) {
  control->setObjectName(text(tabled.name));
  control->setGeometry(tabled.box.left, tabled.box.top, tabled.box.width, tabled.box.height);
  controls_.push_back({control, control->geometry()});
  fitCaptions();
  return control;
}

QLabel* DialogWindow::label(std::string_view name) const { return findChild<QLabel*>(text(name)); }

void DialogWindow::setCaption(QLabel* label, const QString& caption) {
  label->setText(caption);
  fitCaptions();
}

// Widths first: a wrapped caption needs less height the wider its control.
// The rows are the tabled ones; the columns are taken after the widening,
// so a control grown into another's column pushes that one down.
void DialogWindow::fitCaptions() {
  std::vector<Span> tabledX, tabledY;
  std::vector<int> widths, heights;
  for (const auto& [widget, box] : controls_) {
    tabledX.push_back({box.left(), box.width()});
    tabledY.push_back({box.top(), box.height()});
    widths.push_back(widget->minimumSizeHint().width());
  }
  const auto x = grow(tabledX, widths, [&](size_t i, size_t j) { return overlap(tabledY[i], tabledY[j]); });
  for (size_t i = 0; i < controls_.size(); ++i) {
    const QWidget* widget = controls_[i].widget;
    heights.push_back(widget->hasHeightForWidth() ? widget->heightForWidth(x[i].extent)
                                                  : widget->minimumSizeHint().height());
  }
  const auto y = grow(tabledY, heights, [&](size_t i, size_t j) { return overlap(x[i], x[j]); });
  for (size_t i = 0; i < controls_.size(); ++i)
    controls_[i].widget->setGeometry(x[i].start, y[i].start, x[i].extent, y[i].extent);
  setFixedSize(clientExtent(tabledClient_.width(), tabledX, x), clientExtent(tabledClient_.height(), tabledY, y));
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

void DialogWindow::placeButton(const dialog_layout::Control& tabled, std::function<void()> click) {
  auto* button = place(new DialogButton(text(tabled.caption), this), tabled);
  connect(button, &QPushButton::clicked, this,
          [handler = std::string(tabled.name) + "_Click", click = std::move(click)] { runHandler(handler.c_str(), click); });
  if (!focusWidget()) button->setFocus();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // QDialog would reject() on Esc and hide the dialog; the title bar's close
  // goes through reject() as well and must keep hiding it.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}
