#include "desktop/help_dialog.h"

HelpDialogWindow::HelpDialogWindow(GameSeam& seam, QWidget& battlefield)
    : DialogWindow(dialog_layout::kHelp, {{"Command1", [this] { Command1_Click(); }}}, battlefield), seam_(seam) {}

void HelpDialogWindow::Command1_Click() { seam_.clickClose(); }
