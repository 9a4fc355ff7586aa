#include "behaviour/sighting.h"

#include "core/angles.h"

Sighting sightOffset(Double dx, Double dy) {
  const Double range = fp::sqrt(dx * dx + dy * dy);
  // Level with the tank the bearing is pi/2 whichever side the point lies,
  // and straight above it comes out as -pi, not pi.
  Double bearing = kHalfPi;
  if (dy != 0) bearing = fp::atan(fp::finite(dx / dy));
  if (dy < 0) bearing = bearing - kPi;
  return {range, bearing};
}

Double foldedOnce(Double difference) {
  // Strict tests, one correction at most: -pi and pi stay, and a difference
  // beyond three half-turns is brought back by one turn only.
  if (difference < -kPi) difference = difference + kTwoPi;
  if (difference > kPi) difference = difference - kTwoPi;
  return difference;
}
