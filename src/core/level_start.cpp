// The level start: size, reseed, scoring, placing, then a clear battlefield.
#include "core/angles.h"
#include "core/game.h"

namespace {

// A size below this is drawn afresh at each level start; from it on it grows.
constexpr int kGrowingSize = 10;
constexpr int kLargestSize = MAX_TANK;
// Int(Rnd * 6) + 5 gives 5..10 before the increment.
constexpr Double kSizeChoices = 6;
constexpr int kSmallestDrawnSize = 5;

}  // namespace

void Game::StartLevel() {
  if (enemyCount < kGrowingSize) enemyCount = floorToInteger(Double{random.Rnd()} * kSizeChoices) + kSmallestDrawnSize;
  if (enemyCount < kLargestSize) enemyCount = enemyCount + 1;

  // After the size draw, so the very first size comes from the initial state.
  random.Randomize();

  if (tankState[kPlayerSlot] > kOutOfPlay) wins = wins + 1;
  if (tankState[kPlayerSlot] == kOutOfPlay) losses = losses + 1;

  const Integer last = enemyCount;  // the bound is taken once
  const Single slotsInLevel = static_cast<Single>((enemyCount + 1).value());
  for (curTank = 0; curTank <= last; curTank = curTank + 1) {
    const Integer c = curTank;
    // A surviving player keeps its place and headings.
    if (tankState[c] == kOutOfPlay || c != kPlayerSlot) {
      tankX[c] = Double{frm.ScaleWidth()} * Double{random.Rnd()};
      tankY[c] = Double{frm.ScaleHeight()} * Double{random.Rnd()};
      hullHeading[c] = toSingle(randomAngle(random.Rnd()));
      turretHeading[c] = toSingle(randomAngle(random.Rnd()));
    }
    tankState[c] = kPlacedState;
    tankSpeed[c] = 0;
    // The product of two draws favours the low slots, the player's most of all.
    const Double first = random.Rnd();
    const Double second = random.Rnd();
    tankTarget[c] = floorToInteger(first * second * Double{slotsInLevel});
  }

  frm.canvas().Cls();
}
