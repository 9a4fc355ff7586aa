#include "options.h"

#include <charconv>
#include <set>
#include <string>

#include "core/quote.h"
#include "ui/game_options.h"

const char* const kUsage =
    "usage: brassmoor-sim [--seed N] [--ticks N | --levels N] [--enemies N]\n"
    "                     [--input FILE] [--trace FILE] [--png DIR [--every K]] [--json]\n"
    "                     [--record FILE | --replay FILE]\n"
    "  --seed N      the random source's initial state; reseeds follow from it (default: as the game)\n"
    "  --ticks N     run N ticks\n"
    "  --levels N    run until N levels have ended (default 10)\n"
    "  --enemies N   enemyCount before the first level start, 0..50 (50: 51 tanks from the start)\n"
    "  --input FILE  input events, one a line: T move X Y | T down B X Y | T up B X Y |\n"
    "                T keydown CODE | T keyup CODE | T key 13 | T next\n"
    "  --trace FILE  one JSON object per tick\n"
    "  --png DIR     the battlefield at each level end, and every K ticks with --every K\n"
    "  --json        the summary as JSON\n"
    "  --record FILE write the run as a replay\n"
    "  --replay FILE play a replay and hold every check: exit 0 when all hold, 1 where the\n"
    "                game parts from it, 2 when it cannot be read or ends early\n";

namespace {

constexpr int kMostEnemies = 50;
// wins + losses count every level start in a 16-bit Integer, the first one included.
constexpr long long kMostLevels = 32766;

const std::set<std::string> kValued = {"--seed",  "--ticks", "--levels", "--enemies",
                                       "--input", "--trace", "--png",    "--every", "--replay", "--record"};

// Windows programs show their usage for /? as for --help.
#ifdef _WIN32
constexpr bool kWindowsHelp = true;
#else
constexpr bool kWindowsHelp = false;
#endif

template <class T>
T wholeNumber(const std::string& option, const std::string& text, T least, T most) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < least || value > most) {
    throw UsageError(option + " takes a whole number from " + std::to_string(least) + " to " + std::to_string(most) +
                     ", not " + quote(text));
  }
  return value;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
  Options options;
  std::set<std::string> seen;
  bool levelsGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (kWindowsHelp && option == "/?") {
      options.help = true;
      continue;
    }
    if (option.rfind("--", 0) != 0) throw UsageError("unexpected argument " + quote(option));
    const bool flag = option == "--json" || option == "--help";
    if (!flag && kValued.find(option) == kValued.end()) throw UsageError("unknown option " + quote(option));
    if (!seen.insert(option).second) throw UsageError(option + " is given twice");
    if (flag) {
      (option == "--json" ? options.json : options.help) = true;
      continue;
    }
    if (i + 1 == args.size()) throw UsageError(option + " needs a value");
    const std::string& value = args[++i];
    // `--trace --json` would otherwise write a trace named --json.
    if (value.rfind("--", 0) == 0) {
      throw UsageError(option + " needs a value, not the option " + quote(value) + " (a file of that name: ./" +
                       escape(value) + ")");
    }
    if (option == "--seed") {
      try {
        options.seed = readSeed(option, value);
      } catch (const OptionError& error) {
        throw UsageError(error.what());
      }
    } else if (option == "--ticks") {
      options.ticks = wholeNumber<long long>(option, value, 1, INT64_MAX);
    } else if (option == "--levels") {
      options.levels = wholeNumber<long long>(option, value, 1, kMostLevels);
      levelsGiven = true;
    } else if (option == "--enemies") {
      options.enemies = wholeNumber<int>(option, value, 0, kMostEnemies);
    } else if (option == "--every") {
      options.every = wholeNumber<long long>(option, value, 1, INT64_MAX);
    } else {
      if (value.empty()) throw UsageError(option + " needs a non-empty path");
      (option == "--input"    ? options.inputFile
       : option == "--trace"  ? options.traceFile
       : option == "--replay" ? options.replayFile
       : option == "--record" ? options.recordFile
                              : options.pngDir) = value;
    }
  }
  if (options.ticks && levelsGiven) throw UsageError("--ticks and --levels cannot both be given");
  if (options.every > 0 && options.pngDir.empty()) throw UsageError("--every needs --png");
  if (!options.replayFile.empty()) {
    // The replay says how the run starts, what it takes and how long it goes.
    for (const char* own : {"--seed", "--ticks", "--levels", "--enemies", "--input", "--record"}) {
      if (seen.count(own) != 0) throw UsageError(std::string("--replay cannot be given with ") + own);
    }
  }
  return options;
}
