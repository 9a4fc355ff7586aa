// Tanks on a real offscreen battlefield, run by the tick or by its walk:
// hunters close in, and a coasting last tank ends the level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/colours.h"
#include "tank_setup.h"

namespace {

constexpr double kHalfPi = 1.570796326794897;
constexpr double kTwoPi = 6.283185307179588;

// The tick's walk over two live computer tanks without their shells: aim,
// erase, drive, redraw. Hunting is seen undisturbed, as no shot is fired.
void huntWithoutShells(Game& game, std::initializer_list<int> walk) {
  for (const int slot : walk) {
    game.curTank = slot;
    game.AimTank();
    game.DrawSlot(slot, kWhite);
    game.DriveTank();
    game.DrawSlot(slot, kTankBlack);
  }
}

// The direction from one point to another as a heading, any turn.
double headingTo(double fromX, double fromY, double toX, double toY) { return std::atan2(toX - fromX, toY - fromY); }

// How far apart two headings are, whole turns apart counting as none.
double turnApart(double a, double b) { return std::abs(std::remainder(a - b, kTwoPi)); }

}  // namespace

TEST(BattlefieldTest, TwoComputerTanksFacingEachOtherCloseInLockOnAndSlowNearOneHundred) {
  OffscreenGame g;
  Game& game = g.game;
  game.enemyCount = 2;
  putTank(game, 1, {200, 300, static_cast<float>(kHalfPi), 0}, 2);
  putTank(game, 2, {520, 301, static_cast<float>(3 * kHalfPi), 0}, 1);

  int firstLock = 0, firstNear = 0;
  float topSpeed = 0;
  for (int tick = 1; tick <= 160; ++tick) {
    const double x1 = game.tankX[1], y1 = game.tankY[1], x2 = game.tankX[2], y2 = game.tankY[2];
    const float before1 = game.tankSpeed[1];
    huntWithoutShells(game, {1, 2});
    // Slot 1 aims first, at slot 2 where it stood; slot 2 then aims at slot 1 where it has just moved.
    const double range1 = std::hypot(x2 - x1, y2 - y1);
    const bool locked = turnApart(game.turretHeading[1], headingTo(x1, y1, x2, y2)) < 1e-6 &&
                        turnApart(game.turretHeading[2], headingTo(x2, y2, game.tankX[1], game.tankY[1])) < 1e-6;
    if (locked && firstLock == 0) firstLock = tick;
    topSpeed = std::max(topSpeed, game.tankSpeed[1]);
    if (range1 < 100 && firstNear == 0) {
      firstNear = tick;
      EXPECT_EQ(game.tankSpeed[1], plus(before1, -0.08)) << "braking starts in the first tick within 100 pixels";
    }
    if (firstNear != 0 && tick > firstNear + 25 && range1 < 100) {
      EXPECT_NEAR(game.tankSpeed[1], 1.0, 0.041) << "about 1.0 within 100 pixels, tick " << tick;
    }
  }
  EXPECT_GT(firstLock, 0) << "both turrets come onto each other";
  EXPECT_LT(firstLock, 50);
  EXPECT_NEAR(topSpeed, 2.96, 1e-5) << "locked on, they close in at full speed";
  EXPECT_GT(firstNear, firstLock) << "they close in from 320 pixels to within 100";
}

TEST(BattlefieldTest, ThePlayerLeftAloneCoastingEndsTheLevelInTheTickItsSpeedReachesZero) {
  OffscreenGame g;
  Game& game = g.game;
  game.enemyCount = 6;
  game.losses = 1;
  putTank(game, 0, {360, 150, 0, 0, 2.0F}, 3);

  float expected = 2.0F;
  int tick = 0;
  while (expected > 0) {
    ++tick;
    expected = std::max(plus(expected, -0.04), 0.0F);  // no keys: coasting
    game.tmr_Timer();
    ASSERT_EQ(game.wins, expected == 0 ? 1 : 0) << "tick " << tick << ", speed " << expected;
    ASSERT_LT(tick, 60);
  }
  EXPECT_NEAR(tick, 50, 1) << "2.0 at 0.04 a tick";
  EXPECT_EQ(game.losses, 1);
  EXPECT_EQ(game.tankState[0], 2) << "repaired for the next level";
}
