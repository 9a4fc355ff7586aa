// The tick: the walk over the slots, the next-level request and the end-of-level test.
#include <gtest/gtest.h>

#include "drawing/tank_figure.h"
#include "support/offscreen_game.h"

TEST(TickTest, ALevelEndsOnlyWhenAtMostOneTankLivesAndTheLastOneFoundStandsStill) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, float>> live;  // slot, speed
    bool ends;
  } const cases[] = {
      {"no tank in play", {}, true},
      {"the player alone, standing", {{0, 0.0F}}, true},
      {"the player alone, rolling", {{0, 1.0F}}, false},
      {"the player alone, coasting to a stop in this tick", {{0, 0.04F}}, true},
      {"two tanks, both standing", {{3, 0.0F}, {7, 0.0F}}, false},
      {"two tanks, one rolling", {{0, 0.0F}, {7, 2.0F}}, false},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    g.game.enemyCount = 10;
    g.game.losses = 1;
    double x = 100;  // far from the edges and from one another
    for (const auto& [slot, speed] : c.live) {
      x += 150;
      putTank(g.game, slot, {.x = x, .y = 300, .speed = speed});
    }
    g.game.tmr_Timer();
    EXPECT_EQ(levelStarts(g.game), c.ends ? 2 : 1) << c.name;
  }
}

TEST(TickTest, TheNextLevelRequestClearsEveryTankAndTheLevelStartThatFollowsCountsALoss) {
  OffscreenGame g;
  Game& game = g.game;
  game.enemyCount = 12;
  game.losses = 1;
  putTank(game, 0, {.x = 100, .y = 100, .speed = 2.0F});
  putTank(game, 4, {.x = 300, .y = 300, .speed = 2.0F});
  putTank(game, 9, {.x = 500, .y = 500, .speed = 2.0F});
  g.frame.setTag("1");

  game.tmr_Timer();
  EXPECT_EQ(g.frame.Tag(), "0");
  for (int s = 0; s <= MAX_TANK; ++s) EXPECT_EQ(game.tankState[s], 0) << s;
  EXPECT_EQ(levelStarts(game), 1) << "the walk found three tanks rolling";
  EXPECT_NE(g.frame.picture().Point(100, 107), kWhite) << "the pictures stay until the level start";

  game.tmr_Timer();
  EXPECT_EQ(game.losses, 2);
  EXPECT_EQ(game.wins, 0);
  EXPECT_EQ(game.tankState[0], 2);
}

TEST(TickTest, ARequestWithOneStandingTankStartsTheLevelInTheSameTick) {
  OffscreenGame g;
  g.game.enemyCount = 12;
  g.game.losses = 1;
  putTank(g.game, 0, {100, 100});
  g.frame.setTag("1");
  g.game.tmr_Timer();
  EXPECT_EQ(g.game.losses, 2) << "the request cleared the player before the level start scored it";
  EXPECT_EQ(g.frame.Tag(), "0");
}

TEST(TickTest, ATickThatHitsARunTimeErrorEndsThereAndTheNextTickRuns) {
  OffscreenGame g;
  Game& game = g.game;
  game.losses = 32767;
  testing::internal::CaptureStderr();  // the report's line is the handler edge's own test
  runHandler("tmr_Timer", [&] { game.tmr_Timer(); });
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(game.losses, 32767) << "never clamped";
  EXPECT_EQ(game.tankState[0], 0) << "the level start ended before placing";

  game.losses = 5;
  runHandler("tmr_Timer", [&] { game.tmr_Timer(); });
  EXPECT_EQ(game.losses, 6);
  EXPECT_EQ(game.tankState[0], 2);
}

TEST(TickTest, EachLiveTankIsErasedAndRedrawnWhereItNowStandsThePlayerInBlueAndAWreckStays) {
  OffscreenGame g;
  Game& game = g.game;
  game.enemyCount = 10;
  putTank(game, 3, {250, 500, 0.5F, 1.5F}, 3, 0);
  game.DrawSlot(3, kHitGrey);
  putTank(game, 0, {100.3, 120.6});
  putTank(game, 5, {400.5, 300.25});
  putTank(game, 8, {600.75, 500.5});
  game.hullHeading[5] = 1.0F;
  game.turretHeading[8] = -2.5F;
  for (int s : {0, 5, 8}) game.DrawSlot(s, kTankBlack);

  game.tmr_Timer();

  OffscreenFrame redrawn;
  DrawTankFigure(redrawn.picture(), 250, 500, 0.5F, 1.5F, kHitGrey);
  for (int s : {0, 5, 8}) {
    DrawTankFigure(redrawn.picture(), game.tankX[s], game.tankY[s], game.hullHeading[s], game.turretHeading[s],
             s == 0 ? kPlayerBlue : kTankBlack);
  }
  expectSamePicture(g.frame.picture(), redrawn.picture());
}
