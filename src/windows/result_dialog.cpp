#include "windows/result_dialog.h"

#include "ui/dialog_buttons.h"

ResultDialogWindow::ResultDialogWindow(Frame& frm, HWND owner, ProcessExit exitProcess, Font font)
    : DialogWindow(dialog_layout::kResult, owner,
                   {{"btn_quit", [this] { btn_quit_Click(); }},
                    {"Command1", [this] { Command1_Click(); }},
                    {"Command2", [this] { Command2_Click(); }}},
                   std::move(font)),
      frm(frm),
      exitProcess_(std::move(exitProcess)) {}

void ResultDialogWindow::Command1_Click() { frm_winlose::Command1_Click(frm); }
void ResultDialogWindow::Command2_Click() { frm_winlose::Command2_Click(frm); }
