#include "behaviour/contact_probe.h"

#include "core/colours.h"

namespace {

constexpr Double kProbeReach = 15;     // pixels ahead of the centre, just past the hull's front
constexpr Double kContactFactor = 0.8;

}  // namespace

bool probeTouches(const Surface& battlefield, Double x, Double y, Single hullHeading) {
  const Single probeX = toSingle(x + kProbeReach * fp::sin(hullHeading));
  const Single probeY = toSingle(y + kProbeReach * fp::cos(hullHeading));
  return battlefield.Point(probeX, probeY) != kWhite;
}

Single slowedByContact(Single speed) { return toSingle(Double{speed} * kContactFactor); }
