// The result dialog frm_winlose: wins and losses, and Quit, Back and Next level.
#pragma once

#include "core/dialogs.h"
#include "core/frame.h"
#include "core/process_exit.h"
#include "windows/dialog_window.h"

class ResultDialogWindow : public DialogWindow, public ResultDialog {
 public:
  ResultDialogWindow(Frame& frm, HWND owner, ProcessExit exitProcess, Font font = messageFont);

  bool Visible() const override { return shown(); }
  void setVisible(bool visible) override { show(visible); }
  void setLabel3(const std::string& caption) override { setCaption("Label3", caption); }
  void setLabel4(const std::string& caption) override { setCaption("Label4", caption); }

  void btn_quit_Click() { exitProcess_(kQuitStatus); }
  void Command1_Click();  // Back
  void Command2_Click();  // Next level

 private:
  Frame& frm;
  ProcessExit exitProcess_;
};
