#include "desktop/help_dialog.h"

#include "ui/dialog_buttons.h"

HelpDialogWindow::HelpDialogWindow(Frame& frm, QWidget& battlefield)
    : DialogWindow(dialog_layout::kHelp, {{"Command1", [this] { Command1_Click(); }}}, battlefield), frm(frm) {}

void HelpDialogWindow::Command1_Click() { frm_help::Command1_Click(frm); }
