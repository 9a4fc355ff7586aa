// Where a tank's aim point lies from its centre, and how far a heading is
// turned away from that direction.
#pragma once

#include "core/numeric.h"

struct Sighting {
  Double range;    // pixels
  Double bearing;  // radians, in (-3pi/2, pi/2]
};

// dx and dy: the aim point's offset from the tank's centre.
Sighting sightOffset(Double dx, Double dy);

// A heading minus the bearing, folded by one turn at most into [-pi, pi].
// Positive: turned counter-clockwise of the bearing.
Double foldedOnce(Double difference);
