// The help dialog frm_help: five lines of help and a Close button.
#pragma once

#include "core/dialogs.h"
#include "core/frame.h"
#include "windows/dialog_window.h"

class HelpDialogWindow : public DialogWindow, public HelpDialog {
 public:
  HelpDialogWindow(Frame& frm, HWND owner, Font font = messageFont);

  bool Visible() const override { return shown(); }
  void setVisible(bool visible) override { show(visible); }

  void Command1_Click();  // Close

 private:
  Frame& frm;
};
