// A shell's flight: its speed from the range, its path, its trail, and that
// nothing but the shell update ever stops it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "shells/shell_support.h"

using namespace shells_test;

namespace {

struct Centre {
  double x, y;
};

// The four pixels a radius-1 circle paints about its centre pixel.
std::vector<std::pair<int, int>> ringOf(Centre c) {
  const int x = static_cast<int>(std::floor(static_cast<float>(c.x) + 0.5));
  const int y = static_cast<int>(std::floor(static_cast<float>(c.y) + 0.5));
  return {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
}

}  // namespace

TEST(ShellFlightTest, ThePlayersRangeGivesTheSpeedAndTheFlightEndsInABurstAfterThatManyTicks) {
  struct Case {
    double range;
    int speed;
    double travel;  // s0(s0 + 1)/2 - 1
  } const cases[] = {{0, 10, 54}, {57, 10, 54}, {58, 11, 65}, {100, 14, 104}, {200, 19, 189},
                     {300, 24, 299}, {312, 24, 299}, {313, 25, 324}, {5000, 25, 324}};
  for (const Case& c : cases) {
    OffscreenGame g;
    Game& game = g.game;
    putTank(game, 0, {361.5, 225.25});
    const float turret = 0.7F;
    playerFires(game, c.range, turret);
    ASSERT_EQ(game.shellState[0], c.speed) << c.range;
    EXPECT_EQ(game.shellX[0], 361.5);
    EXPECT_EQ(game.shellY[0], 225.25);
    EXPECT_EQ(game.shellHeading[0], turret);

    game.fireHeld = kFalse;
    DrawTally tally(g.random);
    for (int tick = 1; tick < c.speed; ++tick) {
      stepShell(game, 0);
      EXPECT_EQ(game.shellState[0], c.speed - tick) << c.range << " tick " << tick;
    }
    EXPECT_EQ(tally.draws, 0) << "a flight draws nothing";
    stepShell(game, 0);
    EXPECT_EQ(game.shellState[0], 0) << c.range;
    EXPECT_EQ(tally.draws, kBlastDraws) << "the burst comes in tick T + " << c.speed;

    const double dx = game.shellX[0] - 361.5, dy = game.shellY[0] - 225.25;
    EXPECT_NEAR(std::hypot(dx, dy), c.travel, 1e-9) << c.range;
    EXPECT_NEAR(dx, c.travel * std::sin(static_cast<double>(turret)), 1e-9) << "along the turret heading";
    EXPECT_NEAR(dy, c.travel * std::cos(static_cast<double>(turret)), 1e-9);
  }
}

TEST(ShellFlightTest, TheShellLeavesAPinkDottedTrailFromTheFiringPointBehindItsRedHead) {
  OffscreenGame g;
  Game& game = g.game;
  putTank(game, 0, {200.25, 300.4});
  playerFires(game, 100, 1.2F);
  game.fireHeld = kFalse;
  std::vector<Centre> centres{{200.25, 300.4}};
  while (game.shellState[0] > 1) {
    stepShell(game, 0);
    centres.push_back({game.shellX[0], game.shellY[0]});
  }
  ASSERT_EQ(centres.size(), 14U);

  const auto head = ringOf(centres.back());
  for (const auto& [x, y] : head) EXPECT_EQ(g.frame.picture().Point(x, y), kShellRed) << x << "," << y;
  for (std::size_t i = 0; i + 1 < centres.size(); ++i) {
    for (const auto& pixel : ringOf(centres[i])) {
      if (std::find(head.begin(), head.end(), pixel) != head.end()) continue;
      EXPECT_EQ(g.frame.picture().Point(pixel.first, pixel.second), kTrailPink) << "dot " << i;
    }
  }
}

TEST(ShellFlightTest, AShellBeyondTheEdgeFliesOnAndBurstsOutThere) {
  OffscreenGame g;
  Game& game = g.game;
  putTank(game, 0, {5, 5});
  playerFires(game, 400, static_cast<float>(3.141592653589794));  // straight up
  game.fireHeld = kFalse;
  for (int tick = 1; tick <= 25; ++tick) stepShell(game, 0);
  EXPECT_EQ(game.shellState[0], 0);
  EXPECT_NEAR(game.shellY[0], 5 - 324, 1e-9);
}

TEST(ShellFlightTest, AShellInFlightAtALevelEndFliesOnIntoTheNextLevels) {
  OffscreenGame g;
  Game& game = g.game;
  game.shellState[5] = 12;
  game.shellX[5] = 300;
  game.shellY[5] = 300;
  game.shellHeading[5] = 0;  // straight down, so every step is exact

  game.tmr_Timer();  // no tank in play: the first level starts after the walk
  EXPECT_EQ(game.wins.value() + game.losses.value(), 1);
  EXPECT_EQ(game.shellState[5], 11);
  game.tmr_Timer();
  g.frame.setTag("1");  // the next level is asked for
  game.tmr_Timer();
  game.tmr_Timer();
  EXPECT_EQ(game.wins.value() + game.losses.value(), 2);
  EXPECT_EQ(game.shellState[5], 8);

  for (int tick = 5; tick <= 11; ++tick) game.tmr_Timer();
  EXPECT_EQ(game.shellState[5], 1);
  EXPECT_EQ(game.shellY[5], 300.0 + 12 + 11 + 10 + 9 + 8 + 7 + 6 + 5 + 4 + 3 + 2);
  EXPECT_EQ(game.shellX[5], 300.0);
  game.tmr_Timer();
  EXPECT_EQ(game.shellState[5], 0) << "it bursts in its twelfth tick";
}
