#include "desktop/result_dialog.h"

#include <QLabel>

#include "ui/dialog_buttons.h"

ResultDialogWindow::ResultDialogWindow(Frame& frm, QWidget& battlefield, ProcessExit exitProcess)
    : DialogWindow(dialog_layout::kResult,
                   {{"btn_quit", [this] { btn_quit_Click(); }},
                    {"Command1", [this] { Command1_Click(); }},
                    {"Command2", [this] { Command2_Click(); }}},
                   battlefield),
      frm(frm),
      exitProcess_(std::move(exitProcess)),
      Label3(label("Label3")),
      Label4(label("Label4")) {}

void ResultDialogWindow::setLabel3(const std::string& caption) { setCaption(Label3, QString::fromStdString(caption)); }
void ResultDialogWindow::setLabel4(const std::string& caption) { setCaption(Label4, QString::fromStdString(caption)); }

void ResultDialogWindow::btn_quit_Click() { exitProcess_(kQuitStatus); }

void ResultDialogWindow::Command1_Click() { frm_winlose::Command1_Click(frm); }
void ResultDialogWindow::Command2_Click() { frm_winlose::Command2_Click(frm); }
