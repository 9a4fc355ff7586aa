// The click handlers of the dialogs' buttons, in game terms. Quit is not among
// them: how the game ends is each front-end's own business.
#pragma once

#include "core/frame.h"

namespace frm_winlose {
void Command1_Click(Frame& frm);  // Back
void Command2_Click(Frame& frm);  // Next level
}  // namespace frm_winlose

namespace frm_help {
void Command1_Click(Frame& frm);  // Close
}  // namespace frm_help
