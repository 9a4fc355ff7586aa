// Steering: the player's keys and turret, a computer tank's turret and hull,
// approaching or turning away.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angles.h"
#include "tank_setup.h"

namespace {

// What aiming hands over to steering in one slot's turn.
struct Aim {
  double bearing, range, turretError, hullError;
};

void steer(Game& game, int slot, Aim aim) {
  game.bearing = aim.bearing;
  game.range = aim.range;
  game.workA = aim.turretError;
  game.workB = aim.hullError;
  game.curTank = slot;
  game.DriveTank();
}

}  // namespace

TEST(SteeringTest, AComputerTurretTurnsByPointZeroEightAndSnapsOnceWithinOneStep) {
  const double justOver = std::nextafter(0.08, 1.0);
  struct Case {
    const char* name;
    double error;
    bool targetValid;
    float turret;
  } const cases[] = {
      {"error exactly 0.08 snaps", 0.08, true, 0.7F},
      {"error exactly -0.08 snaps", -0.08, true, 0.7F},
      {"a small error snaps", 0.03, true, 0.7F},
      {"a little more than 0.08 turns clockwise", justOver, true, plus(1.0F, -0.08)},
      {"a little more than -0.08 turns counter-clockwise", -justOver, true, plus(1.0F, 0.08)},
      {"a large error turns by one step", -2.5, true, plus(1.0F, 0.08)},
      {"no error, no change", 0, true, 1.0F},
      {"no valid target, no turning", 0.5, false, 1.0F},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 1, {300, 300, 0, 1.0F}, c.targetValid ? 2 : 1);
    putTank(g.game, 2, {300, 350}, 1);
    steer(g.game, 1, {0.7, 50, c.error, 0});
    EXPECT_EQ(g.game.turretHeading[1], c.turret) << c.name;
  }
}

TEST(SteeringTest, TheHullApproachesOnlyBeyondOneHundredPixelsWithTheTurretLocked) {
  const double beyond = std::nextafter(100.0, 200.0);
  const double overHullStep = std::nextafter(0.05, 1.0);
  struct Case {
    const char* name;
    float turret;  // locked when it equals the bearing 0.5 in single
    double range, hullError;
    float hull;    // after steering, from 2.0
  } const cases[] = {
      {"exactly 100 pixels: turns away", 0.5F, 100, 0.3, plus(2.0F, 0.05)},
      {"just beyond 100 pixels: approaches", 0.5F, beyond, 0.3, plus(2.0F, -0.05)},
      {"approach from the other side", 0.5F, 150, -0.3, plus(2.0F, 0.05)},
      {"approach within exactly 0.05 takes the turret's heading", 0.5F, 150, 0.05, 0.5F},
      {"approach within exactly -0.05 takes the turret's heading", 0.5F, 150, -0.05, 0.5F},
      {"approach a little more than 0.05 away", 0.5F, 150, overHullStep, plus(2.0F, -0.05)},
      {"approach with no error", 0.5F, 150, 0, 2.0F},
      {"turret not locked: turns away", 0.25F, 150, 0.3, plus(2.0F, 0.05)},
      {"turret one bit off the bearing in single: not locked", std::nextafter(0.5F, 1.0F), 150, 0.3, plus(2.0F, 0.05)},
      {"turning away the other way", 0.25F, 150, -0.3, plus(2.0F, -0.05)},
      {"turning away with no error", 0.25F, 50, 0, 2.0F},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 1, {300, 300, 2.0F, c.turret}, 1);  // hunting itself: the turret stays
    steer(g.game, 1, {0.5, c.range, 0, c.hullError});
    EXPECT_EQ(g.game.hullHeading[1], c.hull) << c.name;
    EXPECT_EQ(g.game.turretHeading[1], c.turret) << c.name;
  }
}

TEST(SteeringTest, ATurretThatSnapsInThisTickLetsTheHullApproach) {
  OffscreenGame g;
  putTank(g.game, 1, {300, 300, 2.0F, 1.0F}, 2);
  putTank(g.game, 2, {500, 500}, 1);
  steer(g.game, 1, {0.95, 150, 0.05, 0.3});
  EXPECT_EQ(g.game.turretHeading[1], 0.95F);
  EXPECT_EQ(g.game.hullHeading[1], plus(2.0F, -0.05));
}

TEST(SteeringTest, ThePlayersKeysTurnTheHullAndTheTurretFollowsTheMouse) {
  struct Case {
    const char* name;
    bool left, right;
    double perTick;
  } const cases[] = {
      {"Left turns counter-clockwise without end", true, false, 0.05},
      {"Right turns clockwise", false, true, -0.05},
      {"both cancel but for rounding", true, true, 0},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    Game& game = g.game;
    putTank(game, 0, {300, 300, 0.5F, 0}, 4);
    game.keyLeft = c.left ? kTrue : kFalse;
    game.keyRight = c.right ? kTrue : kFalse;
    game.mouseX = 100;  // level with the tank, to its left
    game.mouseY = 300;
    float hull = 0.5F;
    for (int tick = 1; tick <= 200; ++tick) {
      game.AimTank();
      game.DriveTank();
      if (c.left) hull = plus(hull, 0.05);
      if (c.right) hull = plus(hull, -0.05);
      ASSERT_EQ(game.hullHeading[0], hull) << c.name << ", tick " << tick;
      ASSERT_EQ(game.turretHeading[0], static_cast<float>(kHalfPi)) << "level with the tank points right";
    }
    EXPECT_NEAR(hull, 0.5 + 200 * c.perTick, 1e-3) << c.name << ": never wrapped";
  }
}
