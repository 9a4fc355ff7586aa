#include "desktop/result_dialog.h"

#include <QLabel>

ResultDialogWindow::ResultDialogWindow(GameSeam& seam, QWidget& battlefield, ProcessExit exitProcess)
    : DialogWindow(dialog_layout::kResult,
                   {{"btn_quit", [this] { btn_quit_Click(); }},
                    {"Command1", [this] { Command1_Click(); }},
                    {"Command2", [this] { Command2_Click(); }}},
                   battlefield),
      seam_(seam),
      exitProcess_(std::move(exitProcess)),
      Label3(label("Label3")),
      Label4(label("Label4")) {}

void ResultDialogWindow::setLabel3(const std::string& caption) { setCaption(Label3, QString::fromStdString(caption)); }
void ResultDialogWindow::setLabel4(const std::string& caption) { setCaption(Label4, QString::fromStdString(caption)); }

void ResultDialogWindow::btn_quit_Click() {
  seam_.end(ReplayEntry::Ending::Quit);
  exitProcess_(kQuitStatus);
}

void ResultDialogWindow::Command1_Click() { seam_.clickBack(); }
void ResultDialogWindow::Command2_Click() { seam_.clickNextLevel(); }
