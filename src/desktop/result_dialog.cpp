#include "desktop/result_dialog.h"

#include <QLabel>
#include <cstdio>
#include <cstdlib>

#include "core/error_report.h"
#include "ui/dialog_buttons.h"

namespace {

constexpr QSize kClientSize{213, 112};
constexpr int kQuitStatus = 0;

}  // namespace

void endProcessAtOnce(int status) {
  errorReport().flushRepeats();
  std::fflush(nullptr);  // the lines already reported
  std::_Exit(status);    // no other handler, window or destructor runs
}

ResultDialogWindow::ResultDialogWindow(Frame& frm, ProcessExit exitProcess)
    : DialogWindow("frm_winlose", "Result", kClientSize), frm(frm), exitProcess_(std::move(exitProcess)) {
  placeLabel("Label1", "Wins:", {8, 8, 65, 17});
  placeLabel("Label2", "Losses:", {8, 32, 65, 17});
  Label3 = placeLabel("Label3", "Label3", {80, 8, 81, 17});
  Label4 = placeLabel("Label4", "Label4", {80, 32, 81, 17});
  placeButton("btn_quit", "Quit", {8, 56, 105, 49}, "btn_quit_Click", [this] { btn_quit_Click(); });
  placeButton("Command1", "Back", {120, 56, 41, 49}, "Command1_Click", [this] { Command1_Click(); });
  placeButton("Command2", "Next level", {168, 56, 41, 49}, "Command2_Click", [this] { Command2_Click(); });
}

void ResultDialogWindow::setLabel3(const std::string& caption) { setCaption(Label3, QString::fromStdString(caption)); }
void ResultDialogWindow::setLabel4(const std::string& caption) { setCaption(Label4, QString::fromStdString(caption)); }

void ResultDialogWindow::btn_quit_Click() { exitProcess_(kQuitStatus); }

void ResultDialogWindow::Command1_Click() { frm_winlose::Command1_Click(frm); }
void ResultDialogWindow::Command2_Click() { frm_winlose::Command2_Click(frm); }
