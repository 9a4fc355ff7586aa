// A push button of the dialogs. It is never a default button, so Enter has no
// dialog-wide meaning: Enter, like Space, presses the button with the focus.
// A caption too wide for the button wraps onto further lines, as a tall narrow
// button allows.
#pragma once

#include <QPushButton>

class DialogButton : public QPushButton {
 public:
  DialogButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};
