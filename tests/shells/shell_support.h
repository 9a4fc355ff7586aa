// Shells on an offscreen battlefield: tanks put in place by hand, and one
// shell step per call as the tick makes it.
#pragma once

#include <cmath>

#include "support/offscreen_game.h"

namespace shells_test {

// A burst draws 11 blast lines of four draws each.
constexpr int kBlastDraws = 11 * 4;

inline void stepShell(Game& game, int slot) {
  game.curTank = slot;
  game.UpdateShell();
}

// The shell of `slot` bursts at (x, y).
inline void burstAt(Game& game, int slot, double x, double y) {
  game.shellState[slot] = 1;
  game.shellX[slot] = x;
  game.shellY[slot] = y;
  stepShell(game, slot);
}

// The player fires with the button held at an aim point `range` pixels away.
inline void playerFires(Game& game, double range, float turret) {
  game.turretHeading[0] = turret;
  game.range = range;
  game.fireHeld = kTrue;
  stepShell(game, 0);
}

// A colour component from one draw: 100..254.
inline int componentOf(Single r) { return static_cast<int>(std::floor(static_cast<double>(r) * 155.0 + 100.0)); }

}  // namespace shells_test
