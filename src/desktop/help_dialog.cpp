#include "desktop/help_dialog.h"

#include "ui/dialog_buttons.h"

namespace {

constexpr QSize kClientSize{305, 175};

}  // namespace

HelpDialogWindow::HelpDialogWindow(Frame& frm) : DialogWindow("frm_help", "Help", kClientSize), frm(frm) {
  placeLabel("Label1", "Esc quits the game and show the score.", {8, 8, 297, 17});
  placeLabel("Label2", "Enter redraws the screen.", {8, 32, 297, 17});
  placeLabel("Label3", "Move your tank using the arrow keys.", {8, 56, 297, 17});
  placeLabel("Label4", "Fire using the left mouse button.", {8, 80, 297, 17});
  placeLabel("Label5", "When there are no tanks left slow down until you stop.", {8, 104, 297, 17});
  placeButton("Command1", "Close", {8, 128, 89, 41}, "Command1_Click", [this] { Command1_Click(); });
}

void HelpDialogWindow::Command1_Click() { frm_help::Command1_Click(frm); }
