// Over a long seeded game, what the battlefield shows of the live tanks is
// their figures at their poses: erased at its pose, each leaves no tank ink.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/offscreen_game.h"

TEST(FigurePoseTest, ErasingEveryLiveTankAtItsPoseLeavesNoTankInkAfterManyTicks) {
  const struct {
    std::uint64_t seed;
    int ticks;
  } cases[] = {{1, 1500}, {2, 3000}, {7, 6000}};
  for (const auto& c : cases) {
    OffscreenGame g(c.seed);
    for (int tick = 0; tick < c.ticks; ++tick) g.game.tmr_Timer();
    int live = 0;
    for (int s = 0; s <= MAX_TANK; ++s) {
      if (g.game.tankState[s] <= 0) continue;
      g.game.DrawSlot(s, kWhite);
      ++live;
    }
    ASSERT_GT(live, 0) << "seed " << c.seed;
    int ink = 0;
    for (int y = 0; y < Canvas::kHeight; ++y)
      for (int x = 0; x < Canvas::kWidth; ++x) {
        const Colour colour = g.frame.picture().Point(x, y);
        ink += colour == kTankBlack || colour == kPlayerBlue;
      }
    EXPECT_EQ(ink, 0) << "seed " << c.seed << " after " << c.ticks << " ticks";
  }
}
