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

GameOptions parseGameOptions(const std::vector<std::string>& args) {
  GameOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--seed") throw OptionError("unknown option " + quote(option) + " (the game takes --seed N)");
    if (options.seed) throw OptionError("--seed is given twice");
    if (i + 1 == args.size()) throw OptionError("--seed needs a value");
    options.seed = readSeed(option, args[++i]);
  }
  return options;
}
