// The level start: size, scoring, placing with its exact order of draws.
#include <gtest/gtest.h>

#include <cmath>

#include "support/offscreen_game.h"

namespace {

constexpr std::uint64_t kSeed = 2024;

// The draws of one placed slot, worked out by hand from a source replayed alongside.
struct Placed {
  Pose pose;  // at rest
  int target;
};

Placed place(RandomSource& replay, int enemyCount, bool survivingPlayer) {
  Placed p{};
  if (!survivingPlayer) {
    p.pose.x = static_cast<double>(replay.Rnd()) * 723.0;
    p.pose.y = static_cast<double>(replay.Rnd()) * 651.0;
    p.pose.hull = headingOf(replay.Rnd());
    p.pose.turret = headingOf(replay.Rnd());
  }
  const double r1 = replay.Rnd();
  const double r2 = replay.Rnd();
  p.target = static_cast<int>(std::floor(r1 * r2 * (enemyCount + 1)));
  return p;
}

int drawnSize(std::uint64_t seed) {
  RandomSource replay(seed);
  return static_cast<int>(std::floor(static_cast<double>(replay.Rnd()) * 6)) + 5 + 1;
}

}  // namespace

TEST(LevelStartTest, TheFirstCountsALossClearsTheBattlefieldAndPlacesEachSlotAtRestDrawByDraw) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    OffscreenGame g(seed);
    Game& game = g.game;
    game.frm.canvas().Line(10, 10, 50, 50, kTankBlack);
    game.StartLevel();

    EXPECT_EQ(game.losses, 1);
    EXPECT_EQ(game.wins, 0);
    EXPECT_EQ(g.frame.picture().Point(30, 30), kWhite) << "the battlefield is cleared";
    const int size = drawnSize(seed);
    ASSERT_EQ(game.enemyCount, size);
    RandomSource replay(seed + 1);  // the counting clock's first reading
    for (int s = 0; s <= MAX_TANK; ++s) {
      if (s > size) {
        EXPECT_EQ(game.tankState[s], 0);
        continue;
      }
      const Placed p = place(replay, size, false);
      EXPECT_EQ(poseOf(game, s), p.pose) << s;
      EXPECT_EQ(game.tankTarget[s], p.target) << s;
      EXPECT_EQ(game.tankState[s], 2);
    }
  }
}

TEST(LevelStartTest, AWonLevelKeepsThePlayersPlaceAndHeadingsAndSkipsItsFourDraws) {
  OffscreenGame g(kSeed);
  Game& game = g.game;
  game.enemyCount = 20;
  game.losses = 1;
  putTank(game, 0, {12.25, 600.5, 7.5F, -2.0F, 1.5F}, 0, 1);
  game.StartLevel();

  EXPECT_EQ(game.wins, 1);
  EXPECT_EQ(game.losses, 1);
  EXPECT_EQ(game.enemyCount, 21);
  EXPECT_EQ(poseOf(game, 0), (Pose{12.25, 600.5, 7.5F, -2.0F, 0})) << "at rest where it stood";
  EXPECT_EQ(game.tankState[0], 2);

  RandomSource replay(kSeed + 1);  // a size of 20 draws nothing before the reseed
  EXPECT_EQ(game.tankTarget[0], place(replay, 21, true).target);
  for (int s = 1; s <= 21; ++s) {
    const Placed p = place(replay, 21, false);
    EXPECT_EQ(poseOf(game, s), p.pose) << s;
    EXPECT_EQ(game.tankTarget[s], p.target) << s;
  }
}

TEST(LevelStartTest, SizeGrowsByOneFromTenUpToFiftyAndIsDrawnAfreshBelowTen) {
  struct Case {
    int before, after;
  };
  const Case cases[] = {{10, 11}, {11, 12}, {30, 31}, {49, 50}, {50, 50}, {9, drawnSize(kSeed)}, {0, drawnSize(kSeed)}};
  for (const Case& c : cases) {
    OffscreenGame g(kSeed);
    g.game.enemyCount = c.before;
    g.game.StartLevel();
    EXPECT_EQ(g.game.enemyCount, c.after) << "from " << c.before;
  }
}

TEST(LevelStartTest, ASurvivorAboveAShrunkenSizeAndEveryShellAreLeftAlone) {
  OffscreenGame g(kSeed);
  Game& game = g.game;
  game.enemyCount = 9;
  const Pose survivor{300.5, 200.25, 1.25F, 4.5F, 2.5F};
  putTank(game, 40, survivor, 3, 1);
  for (int s = 0; s <= MAX_TANK; ++s) {
    game.shellX[s] = s * 3.5;
    game.shellY[s] = s * -1.25;
    game.shellHeading[s] = static_cast<float>(s) / 7.0F;
    game.shellState[s] = s % 26;
  }
  game.StartLevel();

  ASSERT_LT(game.enemyCount, 40);
  EXPECT_EQ(game.tankState[40], 1);
  EXPECT_EQ(poseOf(game, 40), survivor);
  EXPECT_EQ(game.tankTarget[40], 3);
  for (int s = 0; s <= MAX_TANK; ++s) {
    EXPECT_EQ(game.shellX[s], s * 3.5);
    EXPECT_EQ(game.shellY[s], s * -1.25);
    EXPECT_EQ(game.shellHeading[s], static_cast<float>(s) / 7.0F);
    EXPECT_EQ(game.shellState[s], s % 26);
  }
}
