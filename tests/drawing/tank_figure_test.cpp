// The tank figure: its eight primitives, and erasing by drawing it in white.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/colours.h"
#include "drawing/canvas.h"
#include "drawing/tank_figure.h"

namespace {

// Records the primitives instead of drawing them.
struct Recorder : Surface {
  struct Call {
    char kind;  // 'C' circle, 'L' line, 'T' continued line
    std::vector<Single> args;
    Colour colour;
  };
  std::vector<Call> calls;
  void Line(Single x1, Single y1, Single x2, Single y2, Colour c) override { calls.push_back({'L', {x1, y1, x2, y2}, c}); }
  void LineTo(Single x2, Single y2, Colour c) override { calls.push_back({'T', {x2, y2}, c}); }
  void Circle(Single x, Single y, Single r, Colour c) override { calls.push_back({'C', {x, y, r}, c}); }
  Colour Point(Single, Single) const override { return kWhite; }
  void Cls() override {}
};

int countNotWhite(const Canvas& canvas) {
  int n = 0;
  for (int y = 0; y < Canvas::kHeight; ++y)
    for (int x = 0; x < Canvas::kWidth; ++x) n += canvas.Point(x, y) != kWhite;
  return n;
}

}  // namespace

// Each coordinate was worked out in double apart from the game (centre + d *
// sin or cos of the widened heading plus its constant) and rounded once to
// single, so a figure formed in single precision, or rounded at another step,
// is caught.
TEST(TankFigureTest, ADiagonalPoseIsDrawnFromExactlyTheseEightPrimitives) {
  Recorder r;
  DrawTankFigure(r, 300.3, 200.7, 0.7F, 2.1F, kHitGrey);
  const std::vector<std::pair<char, std::vector<Single>>> expected = {
      {'C', {300.299988F, 200.699997F, 5}},                          // ring
      {'L', {304.616058F, 198.175766F, 313.248138F, 193.127304F}},  // barrel
      {'L', {314.404938F, 205.803955F, 302.932312F, 215.467224F}},  // front edge
      {'T', {286.195038F, 195.596039F}},                            // right side
      {'T', {297.667694F, 185.93277F}},                             // rear edge
      {'T', {314.404938F, 205.803955F}},                            // left side
      {'L', {304.889038F, 196.834702F, 308.674835F, 210.642944F}},  // chevron, left arm
      {'T', {295.710938F, 204.565308F}},                            // chevron, right arm
  };
  ASSERT_EQ(r.calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(r.calls[i].kind, expected[i].first) << "primitive " << i;
    EXPECT_EQ(r.calls[i].args, expected[i].second) << "primitive " << i;
    EXPECT_EQ(r.calls[i].colour, kHitGrey) << "primitive " << i;
  }
}

TEST(TankFigureTest, HeadingsBeyondATurnDrawTheSameFigure) {
  Canvas plain, wound;
  DrawTankFigure(plain, 300.4, 200.7, 1.0F, 2.0F, kTankBlack);
  DrawTankFigure(wound, 300.4, 200.7, static_cast<float>(1.0 + 4 * 3.141592653589793),
           static_cast<float>(2.0 - 2 * 3.141592653589793), kTankBlack);
  int differing = 0;
  for (int y = 180; y < 222; ++y)
    for (int x = 280; x < 322; ++x) differing += plain.Point(x, y) != wound.Point(x, y);
  EXPECT_LE(differing, 4) << "equal up to rounding";
}

TEST(TankFigureTest, AFigureDrawnAgainInWhiteLeavesTheCanvasWhite) {
  struct Pose {
    double x, y;
    float hull, turret;
  } const poses[] = {
      {100, 100, 0, 0},          {100.5, 100.5, 0.5F, 3.6F},  {361.37, 12.91, -7.3F, 12.2F},
      {0.2, 650.8, 3.14159F, 0}, {722.9, 0.49, 1.5708F, 4.71F}, {250.123, 333.777, 100.25F, -55.5F},
  };
  for (const Pose& p : poses) {
    for (const Colour colour : {kTankBlack, kPlayerBlue, kHitGrey}) {
      Canvas canvas;
      DrawTankFigure(canvas, p.x, p.y, p.hull, p.turret, colour);
      ASSERT_GT(countNotWhite(canvas), 20) << p.x;
      DrawTankFigure(canvas, p.x, p.y, p.hull, p.turret, kWhite);
      EXPECT_EQ(countNotWhite(canvas), 0) << p.x << "," << p.y;
    }
  }
}
