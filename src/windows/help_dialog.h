// The help dialog frm_help: five lines of help and a Close button, whose
// click the battlefield hands in.
#pragma once

#include "core/dialogs.h"
#include "windows/dialog_window.h"

class HelpDialogWindow : public DialogWindow, public HelpDialog {
 public:
  HelpDialogWindow(HWND owner, DialogClicks clicks, Font font = messageFont)
      : DialogWindow(dialog_layout::kHelp, owner, std::move(clicks), std::move(font)) {}

  bool Visible() const override { return shown(); }
  void setVisible(bool visible) override { show(visible); }
};
