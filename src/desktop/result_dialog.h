// The result dialog frm_winlose: wins and losses, and Quit, Back and Next level.
#pragma once

#include "core/dialogs.h"
#include "core/frame.h"
#include "core/process_exit.h"
#include "desktop/dialog_window.h"

class ResultDialogWindow : public DialogWindow, public ResultDialog {
 public:
  ResultDialogWindow(Frame& frm, QWidget& battlefield, ProcessExit exitProcess);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }
  void setLabel3(const std::string& caption) override;
  void setLabel4(const std::string& caption) override;

  void btn_quit_Click();
  void Command1_Click();  // Back
  void Command2_Click();  // Next level

 private:
  Frame& frm;
  ProcessExit exitProcess_;
  QLabel* Label3;
  QLabel* Label4;
};
