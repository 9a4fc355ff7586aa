// The burst: its blast lines, the strict square of the hit test, and what a
// hit does to every tank caught, slot by slot.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/tank_figure.h"
#include "shells/shell_support.h"

using namespace shells_test;

namespace {

constexpr int kHitDraws = 2 + 21 * 3;

// A line from (x, y) drawn as the burst draws one: angle and length from two draws.
void replayRay(Surface& surface, RandomSource& replay, double x, double y, double reach, bool green) {
  const double a = static_cast<double>(replay.Rnd()) * 360.0 * 0.0174532925199433;
  const double length = static_cast<double>(replay.Rnd()) * reach;
  const int red = componentOf(replay.Rnd());
  const int greenPart = green ? componentOf(replay.Rnd()) : 0;
  surface.Line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + length * std::sin(a)),
               static_cast<float>(y + length * std::cos(a)), RGB(red, greenPart, 0));
}

}  // namespace

TEST(ShellExplosionTest, OnlyACentreStrictlyWithin20PixelsOnBothAxesIsHit) {
  struct Case {
    double dx, dy;
    bool hit;
  } const cases[] = {
      {20, 0, false},      {-20, 0, false},    {0, 20, false},      {0, -20, false},
      {19.9, 19.9, true},  {-19.9, -19.9, true}, {19.9, -19.9, true}, {-19.9, 19.9, true},
      {19.9, 20, false},   {0, 0, true},
      {20 - 1e-9, 0, true},  // inside in double, though in single it would sit on the bound
      {0, -20 + 1e-9, true},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    Game& game = g.game;
    putTank(game, 4, {300 + c.dx, 300 + c.dy});
    game.tankSpeed[4] = 1.5F;
    burstAt(game, 9, 300, 300);
    EXPECT_EQ(game.tankState[4], c.hit ? 1 : 2) << c.dx << "," << c.dy;
    EXPECT_EQ(game.tankSpeed[4], c.hit ? 0.0F : 1.5F) << c.dx << "," << c.dy;
    EXPECT_EQ(game.shellState[9], 0);
  }
}

TEST(ShellExplosionTest, OneBurstHitsEveryTankInsideOnceLowestSlotFirstAndDrawsWhatTheDrawsSay) {
  constexpr std::uint64_t kSeed = 77;
  OffscreenGame g(kSeed);
  Game& game = g.game;
  OffscreenFrame expected;
  const double sx = 300.3, sy = 299.6;

  struct Tank {
    int slot;
    double x, y;
    int state;
    bool hit;
  } const tanks[] = {
      {2, 290, 310, 2, true},  {5, 330, 300, 2, false},  // 29.7 pixels off in x
      {7, 315, 290, 1, true},                            // its second hit
      {9, 305, 305, 2, true},                            // the shooter itself
      {11, 300, 300, 0, false},                          // out of play
      {40, 282.5, 281, 2, true},
  };
  for (const Tank& t : tanks) {
    putTank(game, t.slot, {t.x, t.y}, t.slot, t.state);
    game.hullHeading[t.slot] = 0.25F * t.slot;
    game.turretHeading[t.slot] = -0.5F * t.slot;
    game.tankSpeed[t.slot] = 2.0F;
    game.DrawSlot(t.slot, kTankBlack);
    DrawTankFigure(expected.picture(), t.x, t.y, game.hullHeading[t.slot], game.turretHeading[t.slot], kTankBlack);
  }
  DrawTally tally(g.random);
  burstAt(game, 9, sx, sy);
  EXPECT_EQ(tally.draws, kBlastDraws + 4 * kHitDraws);

  RandomSource replay(kSeed);
  for (int line = 0; line < 11; ++line) replayRay(expected.picture(), replay, sx, sy, 10, true);
  double lastAngle = 0, lastLength = 0;
  for (const Tank& t : tanks) {
    if (!t.hit) {
      EXPECT_EQ(game.tankState[t.slot], t.state) << t.slot;
      EXPECT_EQ(game.hullHeading[t.slot], 0.25F * t.slot) << t.slot;
      continue;
    }
    EXPECT_EQ(game.tankState[t.slot], t.state - 1) << t.slot;
    EXPECT_EQ(game.tankSpeed[t.slot], 0.0F) << t.slot;
    DrawTankFigure(expected.picture(), t.x, t.y, 0.25F * t.slot, -0.5F * t.slot, kWhite);
    const float hull = headingOf(replay.Rnd());
    const float turret = headingOf(replay.Rnd());
    EXPECT_EQ(game.hullHeading[t.slot], hull) << t.slot;
    EXPECT_EQ(game.turretHeading[t.slot], turret) << t.slot;
    DrawTankFigure(expected.picture(), t.x, t.y, hull, turret, kHitGrey);
    for (int spark = 0; spark < 21; ++spark) {
      RandomSource peek = replay;
      lastAngle = static_cast<double>(peek.Rnd()) * 360.0 * 0.0174532925199433;
      lastLength = static_cast<double>(peek.Rnd()) * 20;
      replayRay(expected.picture(), replay, sx, sy, 20, false);  // from the shell, not the tank
    }
  }
  EXPECT_EQ(game.workA, lastAngle) << "the last spark's angle";
  EXPECT_EQ(game.workB, lastLength) << "the last spark's length";
  expectSamePicture(g.frame.picture(), expected.picture());
}
