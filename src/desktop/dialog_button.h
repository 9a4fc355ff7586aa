// A push button of the dialogs. It is never a default button, so Enter has no
// dialog-wide meaning: Enter, like Space, presses the button with the focus.
// A caption too wide for the button wraps onto further lines, as a tall narrow
// button allows; its size hints tell the room that wrapped caption needs.
#pragma once

#include <QPushButton>

class QStyleOptionButton;

class DialogButton : public QPushButton {
 public:
  DialogButton(const QString& caption, QWidget* parent);

  // As narrow as the widest word of the caption allows.
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect captionRect(const QStyleOptionButton& option) const;
  QSize bevel() const;
  QSize wrappedCaption(int width) const;
};
