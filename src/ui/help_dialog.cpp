#include "ui/help_dialog.h"

#include "ui/dialog_layout.h"

HelpDialogWindow::HelpDialogWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frm_help");
  setWindowTitle("Help");
  setFixedSize(305, 175);
  placeControl<QLabel>(this, "Label1", "Esc quits the game and show the score.", {8, 8, 297, 17});
  placeControl<QLabel>(this, "Label2", "Enter redraws the screen.", {8, 32, 297, 17});
  placeControl<QLabel>(this, "Label3", "Move your tank using the arrow keys.", {8, 56, 297, 17});
  placeControl<QLabel>(this, "Label4", "Fire using the left mouse button.", {8, 80, 297, 17});
  placeControl<QLabel>(this, "Label5", "When there are no tanks left slow down until you stop.", {8, 104, 297, 17});
  Command1 = placeControl<QPushButton>(this, "Command1", "Close", {8, 128, 89, 41});
}
