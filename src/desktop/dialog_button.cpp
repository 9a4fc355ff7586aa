#include "desktop/dialog_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kWrapped = Qt::TextWordWrap;
// Narrower than any word: each word then takes a line of its own.
constexpr int kOneWordALine = 1;

}  // namespace

DialogButton::DialogButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  // A push button in a dialog would otherwise become its default button.
  setAutoDefault(false);
}

void DialogButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// The style draws the button without its caption; the caption follows,
// wrapped at word breaks inside the button's contents.
void DialogButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.drawItemText(captionRect(option), Qt::AlignCenter | kWrapped, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}

QSize DialogButton::minimumSizeHint() const { return wrappedCaption(kOneWordALine) + bevel(); }

int DialogButton::heightForWidth(int width) const {
  const QSize around = bevel();
  return wrappedCaption(width - around.width()).height() + around.height();
}

QRect DialogButton::captionRect(const QStyleOptionButton& option) const {
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

// What the style draws around the caption, whatever the button's size.
QSize DialogButton::bevel() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return option.rect.size() - captionRect(option).size();
}

// Measured from the top left: centring would round a fraction of a pixel up.
// A word wider than `width` stands out past it on a line of its own.
QSize DialogButton::wrappedCaption(int width) const {
  return fontMetrics().boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), kWrapped, text()).size();
}
