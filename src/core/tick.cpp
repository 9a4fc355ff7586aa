// The game tick: one walk over all 51 slots in ascending order, then the
// next-level request, then the end-of-level test.
#include <cstdlib>

#include "core/colours.h"
#include "core/game.h"

namespace {

// The numeric value of the Tag text, as the flag is tested.
double numericValue(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace

void Game::tmr_Timer() {
  aliveCount = 0;
  lastSpeed = 0;

  for (curTank = 0; curTank <= MAX_TANK; curTank = curTank + 1) {
    AimTank();
    // Tested after aiming; a tank destroyed earlier in this walk is skipped.
    if (tankState[curTank] > kOutOfPlay) {
      aliveCount = aliveCount + 1;
      lastSpeed = tankSpeed[curTank];  // after the throttle, before the move
      DrawSlot(curTank, kWhite);  // exactly where the previous tick drew it
      DriveTank();
      DrawSlot(curTank, kTankBlack);
      if (curTank == kPlayerSlot) DrawSlot(curTank, kPlayerBlue);
    }
    UpdateShell();  // a shell flies on after its tank is out of play
  }

  if (numericValue(frm.Tag()) == 1) {
    frm.setTag("0");
    for (curTank = 0; curTank <= MAX_TANK; curTank = curTank + 1) tankState[curTank] = kOutOfPlay;
  }

  // The walk's counts, not the state after the request: a request clears the
  // tanks now, and the level starts at once only if the walk found the field
  // all but empty and still.
  if (lastSpeed == 0 && aliveCount < 2) StartLevel();
}
