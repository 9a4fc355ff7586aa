#include "ui/dialog_buttons.h"

namespace frm_winlose {

void Command1_Click(Frame& frm) {
  frm.setTimerEnabled(true);
  frm.frm_winlose().setVisible(false);
}

// The next tick takes the request: every tank goes out of play, and the level
// start that follows scores a loss.
void Command2_Click(Frame& frm) {
  frm.setTag("1");
  frm.setTimerEnabled(true);
  frm.frm_winlose().setVisible(false);
}

}  // namespace frm_winlose

namespace frm_help {

// Hidden first, then the game runs on.
void Command1_Click(Frame& frm) {
  frm.frm_help().setVisible(false);
  frm.setTimerEnabled(true);
}

}  // namespace frm_help
