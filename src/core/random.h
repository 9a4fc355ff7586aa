// The one shared random source: a fresh uniform Single in [0, 1) at each draw,
// reseeded from a clock at every level start. Seed and clock are injectable so
// that tests and tools replay a game exactly.
#pragma once

#include <cstdint>
#include <functional>

#include "core/numeric.h"

class RandomSource {
 public:
  using Clock = std::function<std::uint64_t()>;

  // The state before the first reseed is fixed, so the first level's size and
  // the first tick's target draws are the same on every run.
  static constexpr std::uint64_t kInitialSeed = 0x42524153534d4f52;  // "BRASSMOR"

  explicit RandomSource(std::uint64_t seed = kInitialSeed, Clock clock = systemClock);

  Single Rnd();       // never 1.0: built from 24 random bits
  void Randomize();   // reseed from the clock

  // Told of every draw and reseed, in order; for replays and traces.
  struct Listener {
    virtual ~Listener() = default;
    virtual void drawn(Single value) = 0;
    virtual void reseeded() = 0;
  };
  void setListener(Listener* listener) { listener_ = listener; }

  // For a replay: the state a recording starts from, and the clock's value at
  // the latest reseed with the count of reseeds so far.
  std::uint64_t state() const { return state_; }
  std::uint64_t lastClockValue() const { return lastClockValue_; }
  long long reseeds() const { return reseeds_; }

  static std::uint64_t systemClock();

 private:
  std::uint64_t next();

  std::uint64_t state_;
  Clock clock_;
  Listener* listener_ = nullptr;
  std::uint64_t lastClockValue_ = 0;
  long long reseeds_ = 0;
};
