// The result dialog frm_winlose: wins and losses, and Quit, Back and Next level.
#pragma once

#include "core/dialogs.h"
#include "desktop/dialog_window.h"

class ResultDialogWindow : public DialogWindow, public ResultDialog {
 public:
  ResultDialogWindow(const DialogClicks& clicks, QWidget& battlefield);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }
  void setLabel3(const std::string& caption) override;
  void setLabel4(const std::string& caption) override;

 private:
  QLabel* Label3;
  QLabel* Label4;
};
