// The three paths of a shell's update. Each works on the slot in curTank and
// ends the call: a shell that explodes does not fire in the same tick, and a
// shell just fired does not move until the next.
#pragma once

#include "core/game.h"

void ExplodeShell(Game& game);
void DecideFiring(Game& game);
void FlyShell(Game& game);
