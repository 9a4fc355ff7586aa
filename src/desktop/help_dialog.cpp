#include "desktop/help_dialog.h"

#include "ui/dialog_buttons.h"

HelpDialogWindow::HelpDialogWindow(Frame& frm)
    : DialogWindow(dialog_layout::kHelp, {{"Command1", [this] { Command1_Click(); }}}), frm(frm) {}

void HelpDialogWindow::Command1_Click() { frm_help::Command1_Click(frm); }
