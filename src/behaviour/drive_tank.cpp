// Steering and motion for the live tank in curTank, from what AimTank left in
// this slot's turn: bearing, range, workA (turret error), workB (hull error).
#include "behaviour/edges.h"
#include "behaviour/single_step.h"
#include "behaviour/steering.h"
#include "behaviour/target_lock.h"
#include "core/game.h"

namespace {

constexpr Double kTurretStep = 0.08;   // radians per tick, computer tanks
constexpr Double kHullStep = 0.05;     // radians per tick, every tank
constexpr Double kApproachRange = 100; // pixels: only beyond this does a hunter close in

}  // namespace

void Game::DriveTank() {
  const Integer s = curTank;

  if (s == kPlayerSlot) {
    // Both keys held cancel but for rounding.
    if (keyLeft != 0) hullHeading[s] = stepped(hullHeading[s], kHullStep);
    if (keyRight != 0) hullHeading[s] = stepped(hullHeading[s], -kHullStep);
    turretHeading[s] = toSingle(bearing);
  } else {
    if (hasValidTarget(*this, s)) turretHeading[s] = turnTowards(turretHeading[s], workA, kTurretStep, toSingle(bearing));
    // The lock is judged on the turret as it now stands; the hull error is
    // the one aiming measured before any turning.
    if (range > kApproachRange && turretLocked(*this, s)) {
      hullHeading[s] = turnTowards(hullHeading[s], workB, kHullStep, turretHeading[s]);
    } else {
      hullHeading[s] = turnAway(hullHeading[s], workB, kHullStep);
    }
  }

  const Double heading = hullHeading[s];
  tankX[s] = tankX[s] + Double{tankSpeed[s]} * fp::sin(heading);
  tankY[s] = tankY[s] + Double{tankSpeed[s]} * fp::cos(heading);

  bounceOffEdges(*this, s, frm.ScaleWidth(), frm.ScaleHeight());
}
