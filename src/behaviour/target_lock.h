// Whom a tank hunts and whether its gun is on them: the tests that the
// throttle, the steering and the firing decision share.
#pragma once

#include "core/world.h"

// A live tank other than the tank itself. States never go below out of play,
// so "not out of play" and "above it" are the same test.
inline bool hasValidTarget(const World& world, Integer slot) {
  const Integer target = world.tankTarget[slot];
  return target != slot && world.tankState[target] > kOutOfPlay;
}

// Exact equality on purpose: steering stores the bearing rounded to single when
// the turret snaps onto it, so the lock holds until that rounded value changes.
inline bool turretLocked(const World& world, Integer slot) {
  return toSingle(world.bearing) == world.turretHeading[slot];
}
