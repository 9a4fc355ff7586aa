// The window started with a seed plays the very game that the simulator
// plays with it: the same tanks in the same places, tick for tick, across
// level starts and their reseeds.
#include <gtest/gtest.h>

#include "core/seeded_random.h"
#include "simulation.h"
#include "ui_support.h"

TEST(SeededGameTest, TheWindowPlaysTheSimulatorsGame) {
  constexpr long long kTicks = 1500;  // several levels for these seeds
  for (const std::uint64_t seed : {0ULL, 11ULL, 18446744073709551615ULL}) {
    BattlefieldWindow frm([](int) {}, randomSourceFor(seed));
    Options options;
    options.seed = seed;
    options.ticks = kTicks;
    Simulation sim(options, {});
    for (long long tick = 1; tick <= kTicks; ++tick) {
      timerFires(frm);
      sim.step();
      const Game& window = frm.game();
      const Game& simulated = sim.game();
      ASSERT_EQ(window.wins + window.losses, simulated.wins + simulated.losses) << "seed " << seed << ", tick " << tick;
      for (int slot = 0; slot <= MAX_TANK; ++slot) {
        ASSERT_EQ(window.tankX[slot], simulated.tankX[slot]) << "seed " << seed << ", tick " << tick << ", slot " << slot;
        ASSERT_EQ(window.tankY[slot], simulated.tankY[slot]) << "seed " << seed << ", tick " << tick << ", slot " << slot;
      }
    }
    EXPECT_GT(sim.summary().levels.size(), 1U) << "seed " << seed << " reseeded only once";
  }
}
