#include "behaviour/edges.h"

#include "core/angles.h"

namespace {

constexpr Single kBounceSpeed = 3.0F;  // pixels per tick
constexpr Double kFacingDown = 0;

// Puts the crossed coordinate on the edge and turns the hull straight back in.
void sendBack(World& world, Integer slot, Double& coordinate, Double edge, Double heading) {
  coordinate = edge;
  world.hullHeading[slot] = toSingle(heading);
  world.tankSpeed[slot] = kBounceSpeed;
}

}  // namespace

void bounceOffEdges(World& world, Integer slot, Single width, Single height) {
  Double& x = world.tankX[slot];
  Double& y = world.tankY[slot];
  if (x < 0) sendBack(world, slot, x, 0, kHalfPi);
  if (toSingle(x) > width) sendBack(world, slot, x, width, kThreeHalfPi);
  if (y < 0) sendBack(world, slot, y, 0, kFacingDown);
  if (toSingle(y) > height) sendBack(world, slot, y, height, kPi);
}
