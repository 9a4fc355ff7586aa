// The replay as text, one entry a line, after a header of four lines:
//   brassmoor-replay 1
//   game 0.1.0
//   edition Linux
//   date 2026-12-08T09:50:53Z
// Inputs are written as the input script writes them; the others are
//   0 seed STATE      0 enemies N      T reseed CLOCK      T check HASH (16 hex digits)
//   T end quit|closed|stopped
// A line at the tick after the line before may leave its tick out.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "replay/replay_entry.h"

inline constexpr const char* kReplayFormat = "brassmoor-replay";
inline constexpr int kReplayVersion = 1;

// This build's edition, as a replay names it.
extern const char* const kEdition;
extern const char* const kGameVersion;

// Writes the header at once and every entry as it comes, each line whole.
class ReplayWriter final : public ReplaySink {
 public:
  ReplayWriter(std::ostream& out, const std::string& date);
  void write(const ReplayEntry& entry) override;

 private:
  std::ostream& out_;
  long long lastTick_ = -1;
};

std::string formatEntry(const ReplayEntry& entry);

struct Replay {
  std::string gameVersion, edition, date;
  std::uint64_t seed = 0;
  int enemies = 0;
  std::vector<ReplayEntry> entries;  // after the seed and the enemies
  // The line after the last whole one; without an end line, the replay ends
  // early there (a game killed while it was recorded).
  long long endLine = 0;
  bool ended = false;
};

// A replay that cannot be read; the message names the source and the line.
class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A replay holds at most this much text: a day of busy play.
inline constexpr long long kLargestReplay = 64LL << 20;  // bytes

Replay readReplay(std::istream& in, const std::string& source);
