// Motion along the hull heading and the bounce off the battlefield's edges.
#include <gtest/gtest.h>

#include "core/angles.h"
#include "tank_setup.h"

namespace {

// The player's tank, no keys held, driven one tick from the given pose.
Game& driveOnce(OffscreenGame& g, Pose pose) {
  putTank(g.game, 0, pose, 3);
  g.game.bearing = 0;
  g.game.curTank = 0;
  g.game.DriveTank();
  return g.game;
}

}  // namespace

TEST(MotionTest, ATankMovesBySpeedAlongItsHullHeadingInDouble) {
  OffscreenGame g;
  const Game& game = driveOnce(g, {300.25, 200.5, 1.0F, 0, 2.0F});
  EXPECT_EQ(game.tankX[0], 300.25 + 2.0 * 0.8414709848078965);  // sin 1
  EXPECT_EQ(game.tankY[0], 200.5 + 2.0 * 0.5403023058681398);   // cos 1
  EXPECT_EQ(game.tankSpeed[0], 2.0F);
}

TEST(MotionTest, ATankCrossingAnEdgeIsPutBackOnItFacingInAtSpeedThree) {
  const float left = static_cast<float>(kThreeHalfPi), right = static_cast<float>(kHalfPi);
  struct Case {
    const char* name;
    Pose pose;
    double x, y;  // an edge exactly; elsewhere the coordinate barely moves
    float hull;
  } const cases[] = {
      {"left", {1, 300, left, 0, 2.0F}, 0, 300, right},
      {"right", {722, 300, right, 0, 2.0F}, 723, 300, left},
      {"top", {300, 1, static_cast<float>(kPi), 0, 2.0F}, 300, 0, 0},
      {"bottom", {300, 650, 0, 0, 2.0F}, 300, 651, static_cast<float>(kPi)},
      {"top and left in one tick: top last", {1, 1, 3.927F, 0, 3.0F}, 0, 0, 0},
      {"bottom and right in one tick: bottom last", {722, 650, 0.785F, 0, 3.0F}, 723, 651, static_cast<float>(kPi)},
  };
  const auto onEdge = [](double v) { return v == 0 || v == 723 || v == 651; };
  for (const Case& c : cases) {
    OffscreenGame g;
    const Game& game = driveOnce(g, c.pose);
    if (onEdge(c.x)) {
      EXPECT_EQ(game.tankX[0], c.x) << c.name;
    }
    if (onEdge(c.y)) {
      EXPECT_EQ(game.tankY[0], c.y) << c.name;
    }
    EXPECT_NEAR(game.tankX[0], c.x, 1e-5) << c.name;
    EXPECT_NEAR(game.tankY[0], c.y, 1e-5) << c.name;
    EXPECT_EQ(game.hullHeading[0], c.hull) << c.name;
    EXPECT_EQ(game.tankSpeed[0], 3.0F) << c.name;
  }
}

TEST(MotionTest, ATankOnTheEdgeOrAtRestIsNotMoved) {
  const double singleWidth = 723.00002, singleHeight = 651.00002;  // equal to the edges in single
  ASSERT_EQ(static_cast<float>(singleWidth), 723.0F);
  ASSERT_EQ(static_cast<float>(singleHeight), 651.0F);
  const float outLeft = static_cast<float>(kThreeHalfPi), outRight = static_cast<float>(kHalfPi);
  struct Case {
    const char* name;
    Pose pose;
    double y;  // after the tick
  } const cases[] = {
      {"exactly on the right edge, driving down", {723, 300, 0, 0, 2.0F}, 302},
      {"a little past the width, equal to it in single", {singleWidth, 300, 0, 0, 2.0F}, 302},
      {"a little past the height, equal to it in single", {300, singleHeight, 0, 0, 0}, singleHeight},
      {"at rest on the left edge facing out", {0, 300, outLeft, 0, 0}, 300},
      {"at rest in the top left corner facing out", {0, 0, 3.927F, 0, 0}, 0},
      {"at rest on the right edge facing out", {723, 300, outRight, 0, 0}, 300},
      {"at rest on the bottom edge facing out", {300, 651, 0, 0, 0}, 651},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    const Game& game = driveOnce(g, c.pose);
    EXPECT_EQ(poseOf(game, 0), (Pose{c.pose.x, c.y, c.pose.hull, 0, c.pose.speed})) << c.name;
  }
}
