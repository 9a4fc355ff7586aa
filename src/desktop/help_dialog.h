// The help dialog frm_help: five lines of help and a Close button.
#pragma once

#include "core/dialogs.h"
#include "core/frame.h"
#include "desktop/dialog_window.h"

class HelpDialogWindow : public DialogWindow, public HelpDialog {
 public:
  HelpDialogWindow(Frame& frm, QWidget& battlefield);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { DialogWindow::setVisible(visible); }

  void Command1_Click();  // Close

 private:
  Frame& frm;
};
