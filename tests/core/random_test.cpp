// The shared random source: Singles in [0, 1) from 24 bits, repeatable.
#include <gtest/gtest.h>

#include <cmath>

#include "core/random.h"

TEST(RandomSourceTest, DrawsAreTwentyFourBitSinglesBelowOne) {
  RandomSource random(12345);
  double sum = 0;
  constexpr int kDraws = 200000;
  for (int i = 0; i < kDraws; ++i) {
    const Single r = random.Rnd();
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
    const double scaled = static_cast<double>(r) * 16777216.0;
    ASSERT_EQ(scaled, std::floor(scaled));  // a multiple of 2^-24
    sum += r;
  }
  EXPECT_NEAR(sum / kDraws, 0.5, 0.005);
}

TEST(RandomSourceTest, TheSameSeedRepeatsAndTheClockReseeds) {
  std::uint64_t tick = 100;
  RandomSource a(99, [&] { return tick; });
  RandomSource b(99, [&] { return tick; });
  for (int i = 0; i < 50; ++i) ASSERT_EQ(a.Rnd(), b.Rnd());

  a.Randomize();
  RandomSource fromClock(100);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(a.Rnd(), fromClock.Rnd());
}

TEST(RandomSourceTest, ListenerHearsDrawsAndReseedsInOrder) {
  struct Log : RandomSource::Listener {
    std::string events;
    void drawn(Single) override { events += 'd'; }
    void reseeded() override { events += 'R'; }
  } log;
  RandomSource random(1, [] { return std::uint64_t{5}; });
  random.setListener(&log);
  random.Rnd();
  random.Randomize();
  random.Rnd();
  random.Rnd();
  EXPECT_EQ(log.events, "dRdd");
}
