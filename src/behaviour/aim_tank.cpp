// Aiming and throttle for the tank in curTank, alive or not: it keeps a target,
// measures bearing and range to its aim point, leaves the turret and hull
// errors in workA and workB for steering and firing, and sets the speed.
#include "behaviour/contact_probe.h"
#include "behaviour/sighting.h"
#include "behaviour/target_lock.h"
#include "behaviour/throttle.h"
#include "core/game.h"

namespace {

// A pick is floor(r * 51), the product taken in single precision like its
// factors; r is below 1 by at least 2^-24, so the product stays below 51.
constexpr Single kTargetSlots = 51;

}  // namespace

void Game::AimTank() {
  const Integer s = curTank;

  // One draw at most; the pick is tested again only by the next tick, and it
  // may be the tank itself, a wreck or a slot beyond the level.
  if (!hasValidTarget(*this, s)) tankTarget[s] = floorToInteger(random.Rnd() * kTargetSlots);

  // workA and workB carry the offset to the aim point until the errors replace it.
  if (s == kPlayerSlot) {
    workA = static_cast<Double>(mouseX.value()) - tankX[s];
    workB = static_cast<Double>(mouseY.value()) - tankY[s];
  } else {
    const Integer t = tankTarget[s];
    workA = tankX[t] - tankX[s];
    workB = tankY[t] - tankY[s];
  }

  const Sighting sight = sightOffset(workA, workB);
  range = sight.range;
  bearing = sight.bearing;

  workA = foldedOnce(Double{turretHeading[s]} - bearing);
  workB = foldedOnce(Double{hullHeading[s]} - bearing);

  if (s == kPlayerSlot) {
    tankSpeed[s] = playerThrottle(tankSpeed[s], keyUp, keyDown);
  } else if (hasValidTarget(*this, s)) {
    tankSpeed[s] = huntingThrottle(tankSpeed[s], range, turretLocked(*this, s));
  } else {
    tankSpeed[s] = brakeToStandstill(tankSpeed[s]);
  }

  // Every slot probes, before the tick erases the tank's own picture.
  if (probeTouches(frm.canvas(), tankX[s], tankY[s], hullHeading[s])) tankSpeed[s] = slowedByContact(tankSpeed[s]);

  tankSpeed[s] = cutOverSpeed(tankSpeed[s]);
}
