// The throttle over many ticks: the player's keys, the hunting rule, contact
// and the last tank left braking to a standstill.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/colours.h"
#include "tank_setup.h"

namespace {

// The player's speed rule for one tick, worked step by step in double with a
// Single stored after each step, the over-speed cut included.
float playerTick(float speed, bool up, bool down) {
  speed = up ? plus(speed, 0.08) : plus(speed, -0.04);
  if (speed > 0 && down) speed = plus(speed, -0.08);
  if (speed < 0) speed = 0;
  if (speed > 3.0F) speed = plus(speed, -0.08);
  return speed;
}

}  // namespace

TEST(ThrottleTest, ThePlayersUpAndDownKeysWorkTheSpeedStepByStepAndNeverBelowZero) {
  struct Case {
    const char* name;
    bool up, down;
    float start, settled;  // the speed after 120 ticks
  } const cases[] = {
      // 3.04 in tick 38 is cut back to 2.96 in the same call.
      {"Up from rest settles near 2.96", true, false, 0, 2.96F},
      {"released, it coasts at 0.04 a tick to exactly 0", false, false, 2.96F, 0},
      {"Down alone takes 0.12 a tick", false, true, 2.96F, 0},
      {"Up and Down together hold the speed", true, true, 1.5F, 1.5F},
      {"Up and Down together near the limit", true, true, 2.99F, 2.99F},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 0, {360, 300, 0, 0, c.start}, 5);
    g.game.keyUp = c.up ? kTrue : kFalse;
    g.game.keyDown = c.down ? kTrue : kFalse;
    float expected = c.start;
    for (int tick = 1; tick <= 120; ++tick) {
      g.game.AimTank();
      expected = playerTick(expected, c.up, c.down);
      ASSERT_EQ(g.game.tankSpeed[0], expected) << c.name << ", tick " << tick;
    }
    EXPECT_NEAR(expected, c.settled, 1e-5) << c.name;
  }
}

TEST(ThrottleTest, AHunterSlowsWithinOneHundredPixelsAndSpeedsUpOnlyWhileLocked) {
  struct Case {
    const char* name;
    int range;   // the target lies straight below, so the bearing is 0
    float turret;  // 0 is locked on
    float start;
    float first;   // the speed after one tick
    double low, high;  // the values the speed settles on
  } const cases[] = {
      {"closer than 100, locked", 80, 0, 2.96F, plus(2.96F, -0.08), 0.96, 1.04},
      {"closer than 100, not locked, from rest", 80, 1, 0, 0.08F, 0.96, 1.04},
      {"exactly 100, locked: no braking", 100, 0, 2.96F, plus(plus(2.96F, 0.08), -0.08), 2.96, 2.96},
      {"exactly 100, not locked: cruising speed kept", 100, 1, 2.0F, 2.0F, 2.0, 2.0},
      {"far, not locked, from rest", 300, 1, 0, 0.08F, 1.04, 1.04},
      {"far, locked, from rest", 300, 0, 0, 0.08F, 2.96, 2.96},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 1, {300, 200, 0, c.turret, c.start}, 2);
    putTank(g.game, 2, {300.0, 200.0 + c.range}, 1);
    g.game.curTank = 1;
    g.game.AimTank();
    EXPECT_EQ(g.game.tankSpeed[1], c.first) << c.name;
    bool sawLow = false, sawHigh = false;
    for (int tick = 2; tick <= 80; ++tick) {
      g.game.AimTank();
      if (tick <= 60) continue;
      const double speed = g.game.tankSpeed[1];
      sawLow |= std::abs(speed - c.low) < 1e-4;
      sawHigh |= std::abs(speed - c.high) < 1e-4;
      ASSERT_TRUE(std::abs(speed - c.low) < 1e-4 || std::abs(speed - c.high) < 1e-4) << c.name << ": " << speed;
    }
    EXPECT_TRUE(sawLow && sawHigh) << c.name << " alternates between both";
  }
}

TEST(ThrottleTest, ATankInContactEveryTickSettlesNearPointThreeTwo) {
  struct Case {
    const char* name;
    Pose pose;
    Colour ahead;  // drawn across the probe point, 15 pixels below the centre
  } const cases[] = {
      {"a wreck ahead", {300, 300}, kHitGrey},
      {"a shell trail ahead", {300, 300}, kTrailPink},
      {"another tank ahead", {300, 300}, kTankBlack},
      {"heading off the bottom edge", {300, 640}, kWhite},
      {"heading off the left edge", {10, 300, 4.712389F}, kWhite},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 1, c.pose, 2);
    putTank(g.game, 2, {600, 100}, 1);  // far, and the turret is not on it
    g.frame.picture().Line(280, 315, 320, 315, c.ahead);
    g.game.curTank = 1;
    float expected = 0;
    for (int tick = 1; tick <= 80; ++tick) {
      g.game.AimTank();
      expected = times(plus(expected, 0.08), 0.8);
      ASSERT_EQ(g.game.tankSpeed[1], expected) << c.name << ", tick " << tick;
    }
    EXPECT_NEAR(g.game.tankSpeed[1], 0.32, 1e-5) << c.name;
  }
}

TEST(ThrottleTest, TheLastComputerTankLeftBrakesToExactlyZeroAndStays) {
  OffscreenGame g;
  DrawTally counter(g.random);
  putTank(g.game, 4, {300, 300, 0, 0, 2.96F}, 4);
  g.game.curTank = 4;
  float expected = 2.96F;
  for (int tick = 1; tick <= 60; ++tick) {
    g.game.AimTank();
    expected = std::max(plus(expected, -0.08), 0.0F);
    ASSERT_EQ(g.game.tankSpeed[4], expected) << "tick " << tick;
    if (tick == 38) {
      EXPECT_EQ(expected, 0.0F) << "2.96 at 0.08 a tick";
    }
  }
  EXPECT_EQ(counter.draws, 60) << "a fresh pick every tick, none of them valid";
}
