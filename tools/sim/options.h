// The simulator's command line: how long to run, from which seed, and what to
// read and write on the way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "usage_error.h"

struct Options {
  static constexpr long long kDefaultLevels = 10;

  // None: the game's own fixed initial state and a reseed from the system clock.
  std::optional<std::uint64_t> seed;
  // Exactly one of the two bounds the run; levels count the levels that end.
  std::optional<long long> ticks;
  long long levels = kDefaultLevels;
  int enemies = 0;  // enemyCount before the first level start
  std::string inputFile;
  std::string traceFile;
  std::string pngDir;
  std::string replayFile;  // plays this replay instead of a run of its own
  std::string recordFile;  // writes the run as a replay
  long long every = 0;  // 0: pictures at level ends only
  bool json = false;
  bool help = false;
};

// The arguments after the program's name.
Options parseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
