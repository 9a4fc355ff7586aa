#include "ui/game_options.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/quote.h"

std::uint64_t readSeed(std::string_view name, std::string_view text) {
  std::uint64_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (error != std::errc() || stop != end) {
    throw OptionError(std::string(name) + " takes a whole number from 0 to " + std::to_string(UINT64_MAX) +
                      ", not " + quote(text));
  }
  return seed;
}

namespace {

constexpr const char* kTaken = " (the game takes --seed N, --record FILE, --no-record and --replay FILE)";

}  // namespace

GameOptions parseGameOptions(const std::vector<std::string>& args) {
  GameOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 == args.size() || args[i + 1].starts_with("--")) throw OptionError(option + " needs a value");
      return args[++i];
    };
    const auto once = [&](bool given) {
      if (given) throw OptionError(option + " is given twice");
    };
    if (option == "--seed") {
      once(options.seed.has_value());
      options.seed = readSeed(option, value());
    } else if (option == "--record") {
      once(options.recordFile.has_value());
      options.recordFile = value();
    } else if (option == "--no-record") {
      once(options.noRecord);
      options.noRecord = true;
    } else if (option == "--replay") {
      once(options.replayFile.has_value());
      options.replayFile = value();
    } else {
      throw OptionError("unknown option " + quote(option) + kTaken);
    }
  }
  if (options.recordFile && options.noRecord) throw OptionError("--record and --no-record cannot go together");
  if (options.replayFile && (options.seed || options.recordFile))
    throw OptionError("--replay plays the recorded game: it takes no --seed or --record");
  return options;
}
