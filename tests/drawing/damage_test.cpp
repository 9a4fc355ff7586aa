// The damage record: every pixel a primitive changed lies in a rectangle the
// front-end is given, and little else does.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/colours.h"
#include "drawing/canvas.h"
#include "drawing/tank_figure.h"

namespace {

bool covered(const std::vector<PixelRect>& rects, int x, int y) {
  for (const PixelRect& r : rects)
    if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return true;
  return false;
}

long long area(const std::vector<PixelRect>& rects) {
  long long sum = 0;
  for (const PixelRect& r : rects) sum += static_cast<long long>(r.width) * r.height;
  return sum;
}

}  // namespace

TEST(DamageTest, EveryChangedPixelIsInTheDamageAndOnlyTheTilesAroundTheFiguresAre) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> x(-20, 743), y(-20, 671), heading(-10, 10);
  const Colour colours[] = {kTankBlack, kPlayerBlue, kHitGrey, kWhite, kShellRed};
  Canvas canvas;
  for (int round = 0; round < 50; ++round) {
    const std::vector<Canvas::Pixel> before(canvas.pixels(), canvas.pixels() + Canvas::kWidth * Canvas::kHeight);
    const int figures = 1 + round % 6;
    for (int f = 0; f < figures; ++f)
      DrawTankFigure(canvas, x(random), y(random), heading(random), heading(random), colours[(round + f) % 5]);
    canvas.Line(x(random), y(random), x(random), y(random), kTrailPink);
    const std::vector<PixelRect> damage = canvas.takeDamage();
    for (int py = 0; py < Canvas::kHeight; ++py) {
      for (int px = 0; px < Canvas::kWidth; ++px) {
        if (canvas.pixels()[py * Canvas::kWidth + px] == before[py * Canvas::kWidth + px]) continue;
        ASSERT_TRUE(covered(damage, px, py)) << "round " << round << " pixel " << px << "," << py;
      }
    }
  }

  // A figure reaches 15 pixels from its centre: three tiles a side at most.
  DrawTankFigure(canvas, 300.5, 200.5, 0.3F, 1.2F, kTankBlack);
  EXPECT_LE(area(canvas.takeDamage()), 3 * 16 * 3 * 16);
  EXPECT_TRUE(canvas.takeDamage().empty()) << "taking it starts afresh";
}

TEST(DamageTest, RunsOfTilesBecomeRectanglesCutToTheBattlefield) {
  struct Case {
    const char* what;
    std::vector<std::vector<long long>> marks;  // left, top, right, bottom
    std::vector<PixelRect> rects;
  } const cases[] = {
      {"one pixel", {{17, 40, 17, 40}}, {{16, 32, 16, 16}}},
      {"a run across a row", {{5, 3, 40, 3}}, {{0, 0, 48, 16}}},
      {"the same columns in two rows", {{5, 3, 20, 20}}, {{0, 0, 32, 32}}},
      {"two apart in one row", {{0, 0, 0, 0}, {40, 0, 40, 0}}, {{0, 0, 16, 16}, {32, 0, 16, 16}}},
      {"the last tiles are cut at the edges", {{722, 650, 900, 900}}, {{720, 640, 3, 11}}},
      {"wholly outside", {{-50, -50, -1, -1}, {723, 0, 800, 10}}, {}},
  };
  for (const Case& c : cases) {
    Damage damage(723, 651);
    for (const auto& m : c.marks) damage.mark(m[0], m[1], m[2], m[3]);
    EXPECT_EQ(damage.take(), c.rects) << c.what;
  }
}

TEST(DamageTest, ClearingTheBattlefieldDamagesAllOfIt) {
  Canvas canvas;
  canvas.Cls();
  EXPECT_EQ(canvas.takeDamage(), (std::vector<PixelRect>{{0, 0, 723, 651}}));
}
