// The result dialog frm_winlose: wins and losses, and Quit, Back and Next
// level, whose clicks the battlefield hands in by the buttons' names.
#pragma once

#include "core/dialogs.h"
#include "windows/dialog_window.h"

class ResultDialogWindow : public DialogWindow, public ResultDialog {
 public:
  ResultDialogWindow(HWND owner, DialogClicks clicks, Font font = messageFont)
      : DialogWindow(dialog_layout::kResult, owner, std::move(clicks), std::move(font)) {}

  bool Visible() const override { return shown(); }
  void setVisible(bool visible) override { show(visible); }
  void setLabel3(const std::string& caption) override { setCaption("Label3", caption); }
  void setLabel4(const std::string& caption) override { setCaption("Label4", caption); }
};
