// Whether an idle shell is fired, and the speed it leaves with. The player
// fires while the left button is held; a computer tank when its turret is
// locked on a target in play within range.
#include "behaviour/target_lock.h"
#include "shells/shell_steps.h"

namespace {

constexpr Double kNearestShot = 50;   // pixels; both bounds strict
constexpr Double kFarthestShot = 300;

// Base speed floor(range^0.6 * 0.7 + 3): the flight of s0(s0 + 1)/2 - 1
// pixels then comes close to the range.
constexpr Double kSpeedExponent = 0.6;
constexpr Double kSpeedFactor = 0.7;
constexpr Double kSpeedBase = 3;

// A computer tank's offset floor(r * 7) - 3, so -3..+3 pixels per tick.
constexpr Double kOffsetChoices = 7;
constexpr int kOffsetShift = 3;

constexpr int kSlowestShell = 10;  // pixels per tick
constexpr int kFastestShell = 25;

bool fires(const Game& game, Integer c) {
  if (c == kPlayerSlot) return game.tankState[c] > kOutOfPlay && game.fireHeld == kTrue;
  // All are read, so a target slot out of bounds is an error whatever the
  // range. The shooter must be in play too: no wreck or empty slot fires.
  const bool inRange = game.range > kNearestShot && game.range < kFarthestShot;
  const bool locked = turretLocked(game, c);
  const bool targetInPlay = game.tankState[game.tankTarget[c]] > kOutOfPlay;
  const bool shooterInPlay = game.tankState[c] > kOutOfPlay;
  return inRange && locked && targetInPlay && shooterInPlay;
}

}  // namespace

void DecideFiring(Game& game) {
  const Integer c = game.curTank;
  if (!fires(game, c)) return;

  game.shellX[c] = game.tankX[c];
  game.shellY[c] = game.tankY[c];
  game.shellHeading[c] = game.turretHeading[c];

  game.shellState[c] = floorToInteger(fp::pow(game.range, kSpeedExponent) * kSpeedFactor + kSpeedBase);
  if (c != kPlayerSlot) {
    game.shellState[c] =
        game.shellState[c] + floorToInteger(Double{game.random.Rnd()} * kOffsetChoices) - kOffsetShift;
  }
  // The offset comes before the limits, so it can carry a shell short of or beyond its target.
  if (game.shellState[c] > kFastestShell) game.shellState[c] = kFastestShell;
  if (game.shellState[c] < kSlowestShell) game.shellState[c] = kSlowestShell;
}
