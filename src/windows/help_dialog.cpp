#include "windows/help_dialog.h"

#include "ui/dialog_buttons.h"

HelpDialogWindow::HelpDialogWindow(Frame& frm, HWND owner, Font font)
    : DialogWindow(dialog_layout::kHelp, owner, {{"Command1", [this] { Command1_Click(); }}}, std::move(font)),
      frm(frm) {}

void HelpDialogWindow::Command1_Click() { frm_help::Command1_Click(frm); }
