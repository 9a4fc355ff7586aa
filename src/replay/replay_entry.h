// One line of a replay: an input event, or what the game took from outside
// besides (its initial state, the clock at each reseed), a check of the
// world, or the end.
#pragma once

#include <cstdint>

#include "replay/input_event.h"

struct ReplayEntry {
  enum class Kind { Input, Seed, Enemies, Reseed, Check, End };
  enum class Ending { Quit, Closed, Stopped };  // Stopped: the simulator's run reached its bound

  Kind kind = Kind::Input;
  // An input comes before its tick; the rest come after theirs. The initial
  // state is at tick 0.
  long long tick = 0;
  InputEvent event;          // Input
  std::uint64_t value = 0;   // Seed, Reseed: the state; Check: the world's hash; Enemies: the count
  Ending ending = Ending::Quit;

  // The number of ticks run when the entry is taken.
  long long ticksBefore() const { return kind == Kind::Input ? tick - 1 : tick; }
};

// Where the seam writes what it records.
class ReplaySink {
 public:
  virtual ~ReplaySink() = default;
  virtual void write(const ReplayEntry& entry) = 0;
};
