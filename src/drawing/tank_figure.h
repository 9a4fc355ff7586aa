// The figure of a tank: turret ring, gun barrel, hull outline and chevron,
// all in one colour. Drawing the same figure in white erases it exactly.
#pragma once

#include "core/surface.h"

// Pixels; the barrel starts on the ring.
inline constexpr Single kTurretRingRadius = 5;

void DrawTankFigure(Surface& surface, Double x, Double y, Single hullHeading, Single turretHeading, Colour colour);
