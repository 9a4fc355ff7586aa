// A game on an offscreen battlefield, and tanks put on it by hand, for tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

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

// Where a tank stands, how it faces and how fast it goes; what a test leaves
// out is 0.
struct Pose {
  double x, y;
  float hull = 0, turret = 0, speed = 0;
  bool operator==(const Pose&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Pose& p) {
  return out << "(" << p.x << ", " << p.y << ") hull " << p.hull << " turret " << p.turret << " speed " << p.speed;
}

inline Pose poseOf(const Game& game, int slot) {
  return {game.tankX[slot], game.tankY[slot], game.hullHeading[slot], game.turretHeading[slot], game.tankSpeed[slot]};
}

// A tank put in a slot by hand, hunting `target`, in play with a level
// start's hit points unless the test gives others.
inline void putTank(Game& game, int slot, Pose pose, int target, int state = kPlacedState) {
  game.tankState[slot] = state;
  game.tankX[slot] = pose.x;
  game.tankY[slot] = pose.y;
  game.hullHeading[slot] = pose.hull;
  game.turretHeading[slot] = pose.turret;
  game.tankSpeed[slot] = pose.speed;
  game.tankTarget[slot] = target;
}

// A tank hunting itself, as no tank may: its next aiming step picks another.
inline void putTank(Game& game, int slot, Pose pose) { putTank(game, slot, pose, slot); }

// Levels started so far: each start scores a win or a loss.
inline int levelStarts(const Game& game) { return game.wins.value() + game.losses.value(); }

// A heading from one draw, worked out in double and stored as a float.
inline float headingOf(Single r) { return static_cast<float>(static_cast<double>(r) * 360.0 * 0.0174532925199433); }

// Counts the draws taken from a source while it lives.
struct DrawTally : RandomSource::Listener {
  explicit DrawTally(RandomSource& source) : source(source) { source.setListener(this); }
  ~DrawTally() override { source.setListener(nullptr); }
  void drawn(Single) override { ++draws; }
  void reseeded() override {}

  RandomSource& source;
  int draws = 0;
};

inline void expectSamePicture(const Canvas& actual, const Canvas& expected) {
  for (int y = 0; y < Canvas::kHeight; ++y) {
    for (int x = 0; x < Canvas::kWidth; ++x) ASSERT_EQ(actual.Point(x, y), expected.Point(x, y)) << x << "," << y;
  }
}
