// The figure of a tank: turret ring, gun barrel, hull outline and chevron,
// all in one colour. Drawing the same figure in white erases it exactly.
#pragma once

#include "core/game.h"
#include "core/surface.h"

void DrawTank(Surface& surface, Double x, Double y, Single hullHeading, Single turretHeading, Colour colour);

// The figure of one slot's tank, at its present place and headings.
void DrawSlot(Game& game, Integer slot, Colour colour);
