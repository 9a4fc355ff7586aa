// What a run did: the levels with their sizes and lengths, the score, the
// shells and hits, and how fast it went.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

struct LevelSummary {
  int tanks = 0;         // enemyCount + 1 at its start
  long long ticks = 0;
  bool ended = false;    // false for the level still in play when the run stops
  bool won = false;
};

struct Summary {
  std::optional<std::uint64_t> seed;
  std::vector<LevelSummary> levels;
  long long ticks = 0;
  long long shellsFired = 0;
  long long hits = 0;
  long long runtimeErrors = 0;
  double seconds = 0;

  long long wins() const;
  long long losses() const;
  double ticksPerSecond() const;
};

void printSummary(std::ostream& out, const Summary& summary);
void printSummaryJson(std::ostream& out, const Summary& summary);
