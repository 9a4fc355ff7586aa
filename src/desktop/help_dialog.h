// The help dialog frm_help: five lines of help and a Close button.
#pragma once

#include "core/dialogs.h"
#include "desktop/dialog_window.h"
#include "replay/game_seam.h"

class HelpDialogWindow : public DialogWindow, public HelpDialog {
 public:
  // Close reaches the game through seam.
  HelpDialogWindow(GameSeam& seam, QWidget& battlefield);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }

  void Command1_Click();  // Close

 private:
  GameSeam& seam_;
};
