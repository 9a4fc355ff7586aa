// The soak run: 200,000 ticks at 51 tanks under a random input script, with
// every invariant of the world checked after every tick.
#include <gtest/gtest.h>
#include <random>
#include <sstream>

#include "simulation.h"

namespace {

constexpr long long kSoakTicks = 200000;

// A player who moves the pointer, fires, drives, clears the battlefield and
// now and then gives up the level, at random; keys and buttons without a use
// come along too.
std::string randomScript(std::uint32_t seed, long long ticks) {
  std::mt19937 rng(seed);
  const auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
  const auto coordinate = [&](double most) { return std::uniform_real_distribution<double>(-40, most + 40)(rng); };
  const auto pick = [&](std::initializer_list<int> values) {
    return values.begin()[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(rng)];
  };
  std::ostringstream out;
  for (long long t = 1; t <= ticks; ++t) {
    if (chance(0.3)) out << t << " move " << coordinate(723) << ' ' << coordinate(651) << '\n';
    if (chance(0.02)) out << t << " down " << pick({1, 1, 1, 2, 4}) << ' ' << coordinate(723) << ' ' << coordinate(651) << '\n';
    if (chance(0.02)) out << t << " up " << pick({1, 2, 2, 2, 4}) << ' ' << coordinate(723) << ' ' << coordinate(651) << '\n';
    if (chance(0.03)) out << t << " keydown " << pick({37, 38, 38, 39, 40, 65}) << '\n';
    if (chance(0.03)) out << t << " keyup " << pick({37, 38, 39, 40, 112}) << '\n';
    if (chance(0.001)) out << t << " key 13\n";
    if (chance(0.0002)) out << t << " next\n";
  }
  return out.str();
}

}  // namespace

TEST(SoakTest, TwoHundredThousandTicksAt51TanksKeepEveryInvariant) {
  Options options;
  options.seed = 20240611;
  options.ticks = kSoakTicks;
  options.enemies = 50;
  std::istringstream scriptText(randomScript(77, kSoakTicks));
  Simulation sim(options, readInputScript(scriptText, "soak script"));

  const Game& g = sim.game();
  Integer wins = 0, losses = 0;
  while (!sim.finished()) {
    sim.step();
    const long long tick = sim.ticksRun();
    ASSERT_EQ(g.enemyCount, 50) << "tick " << tick;
    ASSERT_GE(g.wins, wins) << "tick " << tick;
    ASSERT_GE(g.losses, losses) << "tick " << tick;
    wins = g.wins, losses = g.losses;
    ASSERT_EQ(sim.summary().runtimeErrors, 0) << "tick " << tick;
  }
  const Summary& summary = sim.summary();
  EXPECT_EQ(summary.ticks, kSoakTicks);
  EXPECT_GT(summary.levels.size(), 3U) << "levels end and begin";
  EXPECT_GT(summary.shellsFired, 1000);
  EXPECT_GT(summary.hits, 1000);
  RecordProperty("levels", static_cast<int>(summary.levels.size()));
}
