// Shells in the running game: a wreck in a tank's way, and whole games that
// go from level to level by combat alone.
#include <gtest/gtest.h>

#include <array>

#include "core/angles.h"
#include "shells/shell_support.h"

using namespace shells_test;

namespace {

// What must hold after every tick of any game.
void expectInvariants(const Game& game, int tick) {
  for (int s = 0; s <= MAX_TANK; ++s) {
    ASSERT_GE(game.tankState[s], 0) << "slot " << s << " tick " << tick;
    ASSERT_LE(game.tankState[s], 2) << "slot " << s << " tick " << tick;
    ASSERT_GE(game.tankSpeed[s], 0.0F) << "slot " << s << " tick " << tick;
    ASSERT_LE(game.tankSpeed[s], 3.0F) << "slot " << s << " tick " << tick;
    ASSERT_GE(game.shellState[s], 0) << "slot " << s << " tick " << tick;
    ASSERT_LE(game.shellState[s], 25) << "slot " << s << " tick " << tick;
    ASSERT_GE(game.tankTarget[s], 0) << "slot " << s << " tick " << tick;
    ASSERT_LE(game.tankTarget[s], MAX_TANK) << "slot " << s << " tick " << tick;
  }
}

}  // namespace

TEST(CombatTest, SeededGamesPlayLevelAfterLevelByCombatAloneWithEveryInvariantKept) {
  constexpr int kTicks = 6000;
  constexpr int kLevelsToPlay = 5;
  for (const std::uint64_t seed : {1, 2, 3, 4, 5}) {
    OffscreenGame g(seed);
    Game& game = g.game;
    std::array<int, MAX_TANK + 1> before{};
    int hits = 0, levelsEnded = 0, starts = 0;
    for (int tick = 0; tick < kTicks && levelsEnded < kLevelsToPlay; ++tick) {
      const int size = game.enemyCount.value();
      game.tmr_Timer();
      expectInvariants(game, tick);
      if (HasFatalFailure()) return;

      if (levelStarts(game) != starts) {
        ASSERT_EQ(levelStarts(game), starts + 1) << "one level start at a time";
        if (starts > 0) {
          ++levelsEnded;
          // Every tank but one went out of play, each after two hits; a level
          // start in the tick of the last hits hides only those.
          EXPECT_GE(hits, size) << "seed " << seed << " level " << levelsEnded;
        }
        starts = levelStarts(game);
        hits = 0;
      } else {
        for (int s = 0; s <= MAX_TANK; ++s) {
          const int drop = before[s] - game.tankState[s].value();
          ASSERT_GE(drop, 0) << "only a level start raises a state, slot " << s;
          hits += drop;
        }
      }
      for (int s = 0; s <= MAX_TANK; ++s) before[s] = game.tankState[s].value();
    }
    EXPECT_EQ(levelsEnded, kLevelsToPlay) << "seed " << seed;
    EXPECT_EQ(g.frame.Tag(), "0") << "no level was asked for";
  }
}
