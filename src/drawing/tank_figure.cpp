#include "drawing/tank_figure.h"

#include "core/colours.h"
#include "core/game.h"

namespace {

constexpr Double kOuterReach = 15;     // barrel tip and hull corners
constexpr Double kFrontCorner = 0.5235987755982989;    // pi/6 either side of the hull heading
constexpr Double kRearLeftCorner = 2.617993877991495;  // 5pi/6
constexpr Double kRearRightCorner = 3.6651914291880927;  // 7pi/6
constexpr Double kSide = 1.570796326794897;            // pi/2: the chevron's rear ends
constexpr Double kChevronArm = 6;
constexpr Double kChevronTip = 13;

// A point d pixels from the centre in direction a, formed in double and handed
// to the primitives in single precision.
struct Figure {
  Double x, y;
  Single px(Double d, Double a) const { return toSingle(x + d * fp::sin(a)); }
  Single py(Double d, Double a) const { return toSingle(y + d * fp::cos(a)); }
};

}  // namespace

void DrawTankFigure(Surface& surface, Double x, Double y, Single hullHeading, Single turretHeading, Colour colour) {
  const Figure f{x, y};
  const Double h = hullHeading;
  const Double t = turretHeading;

  surface.Circle(toSingle(x), toSingle(y), kTurretRingRadius, colour);
  surface.Line(f.px(kTurretRingRadius, t), f.py(kTurretRingRadius, t), f.px(kOuterReach, t), f.py(kOuterReach, t), colour);
  // The hull outline, closed back at its front-left corner.
  surface.Line(f.px(kOuterReach, h + kFrontCorner), f.py(kOuterReach, h + kFrontCorner),
               f.px(kOuterReach, h - kFrontCorner), f.py(kOuterReach, h - kFrontCorner), colour);
  surface.LineTo(f.px(kOuterReach, h + kRearRightCorner), f.py(kOuterReach, h + kRearRightCorner), colour);
  surface.LineTo(f.px(kOuterReach, h + kRearLeftCorner), f.py(kOuterReach, h + kRearLeftCorner), colour);
  surface.LineTo(f.px(kOuterReach, h + kFrontCorner), f.py(kOuterReach, h + kFrontCorner), colour);
  // The chevron points forward from the tank's left through the tip to its right.
  surface.Line(f.px(kChevronArm, h + kSide), f.py(kChevronArm, h + kSide), f.px(kChevronTip, h), f.py(kChevronTip, h),
               colour);
  surface.LineTo(f.px(kChevronArm, h - kSide), f.py(kChevronArm, h - kSide), colour);
}

void Game::DrawTank(Double x, Double y, Single hullHeading, Single turretHeading, Colour colour) {
  DrawTankFigure(frm.canvas(), x, y, hullHeading, turretHeading, colour);
}
