// Aiming: target upkeep, range and bearing to the aim point, and the errors
// left in workA and workB.
#include <gtest/gtest.h>

#include <cmath>

#include "behaviour/sighting.h"
#include "core/angles.h"
#include "tank_setup.h"

namespace {

constexpr double kAtanThreeQuarters = 0.6435011087932844;  // atan(30 / 40)

// The slot the first draw of a fresh source with this seed picks: the product
// is a float, rounded before the floor.
int firstPick(std::uint64_t seed) {
  RandomSource replay(seed);
  const float product = replay.Rnd() * 51.0F;
  return static_cast<int>(std::floor(product));
}

}  // namespace

TEST(AimingTest, AnInvalidTargetIsRepickedByOneDrawThatIsNotTestedInTheSameCall) {
  struct Case {
    const char* name;
    int slot;
    bool slotAlive;
    int target;
    bool targetAlive;
    bool repicks;
  } const cases[] = {
      {"a computer tank hunting itself", 5, true, 5, true, true},
      {"a computer tank hunting a wreck", 5, true, 9, false, true},
      {"a computer tank hunting a live tank", 5, true, 9, true, false},
      {"the player's slot hunting itself", 0, true, 0, true, true},
      {"the player hunting a live tank", 0, true, 9, true, false},
      {"a slot out of play hunting a wreck", 12, false, 9, false, true},
  };
  int invalidPicksKept = 0;
  for (const Case& c : cases) {
    for (std::uint64_t seed = 1; seed <= 80; ++seed) {
      OffscreenGame g(seed);
      DrawTally counter(g.random);
      Game& game = g.game;
      putTank(game, c.slot, {300, 300}, c.target);
      game.tankState[c.slot] = c.slotAlive ? 2 : 0;
      if (c.target != c.slot) putTank(game, c.target, {400, 400}, c.slot);
      if (!c.targetAlive) game.tankState[c.target] = 0;

      game.curTank = c.slot;
      game.AimTank();

      const int expected = c.repicks ? firstPick(seed) : c.target;
      ASSERT_EQ(game.tankTarget[c.slot], expected) << c.name << ", seed " << seed;
      ASSERT_EQ(counter.draws, c.repicks ? 1 : 0) << c.name << ", seed " << seed;
      invalidPicksKept += c.repicks && (expected == c.slot || game.tankState[expected] == 0);
    }
  }
  EXPECT_GT(invalidPicksKept, 100) << "most picks land on slots out of play and stay for this tick";
}

TEST(AimingTest, RangeAndBearingToTheTargetAndToTheMouse) {
  struct Case {
    const char* name;
    int dx, dy;
    double range, bearing;
  } const cases[] = {
      {"below and to the right", 30, 40, 50, kAtanThreeQuarters},
      {"below and to the left", -30, 40, 50, -kAtanThreeQuarters},
      {"above and to the right", 30, -40, 50, -kAtanThreeQuarters - kPi},
      {"above and to the left", -30, -40, 50, kAtanThreeQuarters - kPi},
      {"straight below", 0, 40, 40, 0},
      {"straight above: -pi, not pi", 0, -40, 40, -kPi},
      {"level to the right", 25, 0, 25, kHalfPi},
      {"level to the left: still pi/2", -25, 0, 25, kHalfPi},
      {"on the tank's own centre", 0, 0, 0, kHalfPi},
  };
  for (const Case& c : cases) {
    for (const bool player : {false, true}) {
      OffscreenGame g;
      Game& game = g.game;
      const int slot = player ? 0 : 1;
      putTank(game, slot, {300, 300}, 2);
      putTank(game, 2, {300.0 + c.dx, 300.0 + c.dy}, 1);
      game.mouseX = 300 + c.dx;
      game.mouseY = 300 + c.dy;
      game.curTank = slot;
      game.AimTank();
      EXPECT_EQ(game.range, c.range) << c.name;
      EXPECT_DOUBLE_EQ(game.bearing, c.bearing) << c.name << (player ? ", the player" : ", a computer tank");
    }
  }
}

TEST(AimingTest, ErrorsAreFoldedByOneTurnAtMostWithStrictTests) {
  const double aboveHalfTurn = std::nextafter(kPi, 4.0);
  struct Case {
    double difference, folded;
  } const cases[] = {
      {kPi, kPi},
      {-kPi, -kPi},
      {aboveHalfTurn, aboveHalfTurn - kTwoPi},
      {-aboveHalfTurn, -aboveHalfTurn + kTwoPi},
      {0.5, 0.5},
      {-3.0, -3.0},
      {9.0, 9.0 - kTwoPi},
      {-9.0, -9.0 + kTwoPi},
      {10.0, 10.0 - kTwoPi},    // beyond three half-turns: one turn only, still above pi
      {-10.0, -10.0 + kTwoPi},
  };
  for (const Case& c : cases) EXPECT_EQ(foldedOnce(c.difference), c.folded) << c.difference;
}

TEST(AimingTest, TurretAndHullErrorsAreLeftInWorkAAndWorkB) {
  struct Case {
    const char* name;
    int dy;  // target straight below (bearing 0) or straight above (bearing -pi)
    float turret, hull;
    double workA, workB;
  } const cases[] = {
      {"an error of exactly pi stays", -40, 0.0F, 3.5F, kPi, 3.5 + kPi - kTwoPi},
      {"turned further than three half-turns", 40, 10.0F, -10.0F, 10.0 - kTwoPi, -10.0 + kTwoPi},
      {"a small error either way", 40, 0.25F, -0.75F, 0.25, -0.75},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    putTank(g.game, 1, {300, 300, c.hull, c.turret}, 2);
    putTank(g.game, 2, {300, 300.0 + c.dy}, 1);
    g.game.curTank = 1;
    g.game.AimTank();
    EXPECT_EQ(g.game.workA, c.workA) << c.name;
    EXPECT_EQ(g.game.workB, c.workB) << c.name;
  }
}
