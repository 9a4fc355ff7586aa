// The game's command line, read alike by every edition: `--seed N` starts the
// game that `brassmoor-sim --seed N` plays; `--record FILE`, `--no-record` and
// `--replay FILE` choose what is recorded or watched. The page reads its `?seed=N` with
// the same rule.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// An option the game will not start with. Its message is the one line shown.
class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A front-end that cannot start for a bad option ends with this status.
inline constexpr int kOptionErrorStatus = 2;

struct GameOptions {
  std::optional<std::uint64_t> seed;  // none: reseeds from the clock
  std::optional<std::string> recordFile;  // --record FILE, in UTF-8; none: the replay folder
  bool noRecord = false;                  // --no-record
  std::optional<std::string> replayFile;  // --replay FILE: watch it, and play no game
};

// A seed as written after `name` (--seed, ?seed=): a decimal whole number,
// 0 .. 2^64 - 1, with nothing before or after it.
std::uint64_t readSeed(std::string_view name, std::string_view text);

// The arguments after the program's name.
GameOptions parseGameOptions(const std::vector<std::string>& args);
