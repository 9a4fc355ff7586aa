// The result dialog frm_winlose: wins and losses, and Quit, Back and Next level.
#pragma once

#include <QDialog>

#include "core/dialogs.h"

class QLabel;
class QPushButton;

class ResultDialogWindow : public QDialog, public ResultDialog {
  Q_OBJECT

 public:
  explicit ResultDialogWindow(QWidget* parent = nullptr);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { QDialog::setVisible(visible); }
  void setLabel3(const std::string& caption) override;
  void setLabel4(const std::string& caption) override;

  QPushButton* btn_quit;
  QPushButton* Command1;  // Back
  QPushButton* Command2;  // Next level

 private:
  QLabel* Label3;
  QLabel* Label4;
};
