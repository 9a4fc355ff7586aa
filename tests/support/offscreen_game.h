// A game on an offscreen battlefield, for tests.
#pragma once

#include "core/colours.h"
#include "core/game.h"
#include "core/random.h"
#include "drawing/offscreen_frame.h"

// A game on an offscreen battlefield with a seeded random source.
struct OffscreenGame {
  // Each reseed takes the next value of a counting clock.
  explicit OffscreenGame(std::uint64_t seed = 1) : random(seed, [n = seed]() mutable { return ++n; }) {}

  OffscreenFrame frame;
  RandomSource random;
  Game game{frame, random};
};
