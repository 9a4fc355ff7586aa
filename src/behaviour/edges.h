// The battlefield's edges: a tank that crosses one is put back on it, facing
// straight into the field at the bounce speed.
#pragma once

#include "core/world.h"

// The four tests run left, right, top, bottom, each on what the one before
// left, so a tank crossing two edges at once ends on the corner facing up or
// down. The right and bottom tests compare in single precision.
void bounceOffEdges(World& world, Integer slot, Single width, Single height);
