// The help dialog frm_help: five lines of help and a Close button.
#pragma once

#include "core/dialogs.h"
#include "desktop/dialog_window.h"

class HelpDialogWindow : public DialogWindow, public HelpDialog {
 public:
  HelpDialogWindow(const DialogClicks& clicks, QWidget& battlefield)
      : DialogWindow(dialog_layout::kHelp, clicks, battlefield) {}

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }
};
