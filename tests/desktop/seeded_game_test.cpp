// The window started with a seed plays the very game that the simulator
// plays with it: the same world, tick for tick, across level starts and
// their reseeds.
#include <gtest/gtest.h>

#include "core/seeded_random.h"
#include "core/world_hash.h"
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
      ASSERT_EQ(worldHash(frm.game()), worldHash(sim.game())) << "seed " << seed << ", tick " << tick;
    }
    EXPECT_GT(sim.summary().levels.size(), 1U) << "seed " << seed << " reseeded only once";
  }
}
