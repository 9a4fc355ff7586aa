// Plays a replay into a game: the recorded state to start from, the recorded
// clock at each reseed, the inputs between the ticks, and every check held
// to the world as it is, so that a game that parts from the replay is found
// at the very tick.
#pragma once

#include <functional>
#include <stdexcept>

#include "core/game.h"
#include "core/random.h"
#include "replay/replay_format.h"

class ReplayParts : public std::runtime_error {
 public:
  ReplayParts(long long tick, const Replay& replay);
  long long tick;
};

class ReplayPlayer {
 public:
  explicit ReplayPlayer(Replay replay) : replay_(std::move(replay)) {}

  const Replay& replay() const { return replay_; }
  // The random source's clock: the recorded values, in order.
  RandomSource::Clock clock();

  // Takes the entries due once this many ticks have run, in their order:
  // hands each input to apply, holds each check to the game. ReplayParts
  // when the game differs.
  void atTicks(long long ticksRun, const Game& game, const std::function<void(const InputEvent&)>& apply);
  // The same, one input at a time: takes the entries due up to the first
  // input and hands it to apply. False when nothing more was due.
  bool takeNext(long long ticksRun, const Game& game, const std::function<void(const InputEvent&)>& apply);
  // The next input due once this many ticks have run, if any.
  const InputEvent* nextInput(long long ticksRun) const;
  // Every entry taken: at the end line, or at the last line of one cut short.
  bool over() const { return next_ == replay_.entries.size(); }

 private:
  Replay replay_;
  std::size_t next_ = 0;
  std::size_t nextClock_ = 0;
  long long reseedsSeen_ = 0;
};
