// The three paths of a shell's update. Each works on the slot in curTank and
// ends the call: a shell that explodes does not fire in the same tick, and a
// shell just fired does not move until the next.
#pragma once

#include "core/game.h"

// shellState values with a meaning of their own; 2 and more is the flight.
inline constexpr int kShellIdle = 0;
inline constexpr int kShellBursts = 1;

// The least tankState of a tank in play.
inline constexpr int kInPlay = 1;

void ExplodeShell(Game& game);
void DecideFiring(Game& game);
void FlyShell(Game& game);
