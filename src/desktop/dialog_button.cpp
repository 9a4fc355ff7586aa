#include "desktop/dialog_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(), QPalette::ButtonText);
}
