#include "ui/result_dialog.h"

#include "ui/dialog_layout.h"

ResultDialogWindow::ResultDialogWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frm_winlose");
  setWindowTitle("Result");
  setFixedSize(213, 112);
  placeControl<QLabel>(this, "Label1", "Wins:", {8, 8, 65, 17});
  placeControl<QLabel>(this, "Label2", "Losses:", {8, 32, 65, 17});
  Label3 = placeControl<QLabel>(this, "Label3", "Label3", {80, 8, 81, 17});
  Label4 = placeControl<QLabel>(this, "Label4", "Label4", {80, 32, 81, 17});
  btn_quit = placeControl<QPushButton>(this, "btn_quit", "Quit", {8, 56, 105, 49});
  Command1 = placeControl<QPushButton>(this, "Command1", "Back", {120, 56, 41, 49});
  Command2 = placeControl<QPushButton>(this, "Command2", "Next level", {168, 56, 41, 49});
}

void ResultDialogWindow::setLabel3(const std::string& caption) { Label3->setText(QString::fromStdString(caption)); }
void ResultDialogWindow::setLabel4(const std::string& caption) { Label4->setText(QString::fromStdString(caption)); }
