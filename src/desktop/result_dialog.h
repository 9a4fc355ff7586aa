// The result dialog frm_winlose: wins and losses, and Quit, Back and Next level.
#pragma once

#include "core/dialogs.h"
#include "core/process_exit.h"
#include "desktop/dialog_window.h"
#include "replay/game_seam.h"

class ResultDialogWindow : public DialogWindow, public ResultDialog {
 public:
  // The buttons reach the game through seam; Quit records the game's end
  // there before it ends the process.
  ResultDialogWindow(GameSeam& seam, QWidget& battlefield, ProcessExit exitProcess);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }
  void setLabel3(const std::string& caption) override;
  void setLabel4(const std::string& caption) override;

  void btn_quit_Click();
  void Command1_Click();  // Back
  void Command2_Click();  // Next level

 private:
  GameSeam& seam_;
  ProcessExit exitProcess_;
  QLabel* Label3;
  QLabel* Label4;
};
