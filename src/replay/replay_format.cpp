#include "replay/replay_format.h"

#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

#include "core/quote.h"
#include "replay/text_lines.h"

#if defined(__EMSCRIPTEN__)
const char* const kEdition = "the web";
#elif defined(_WIN32)
const char* const kEdition = "Windows";
#else
const char* const kEdition = "Linux";
#endif
const char* const kGameVersion = BRASSMOOR_VERSION;

namespace {

using Kind = ReplayEntry::Kind;
using Ending = ReplayEntry::Ending;

constexpr const char* kEndings[] = {"quit", "closed", "stopped"};

std::string hex(std::uint64_t value) {
  char text[17];
  const auto result = std::to_chars(text, text + sizeof text, value, 16);
  return std::string(16 - (result.ptr - text), '0') + std::string(text, result.ptr);
}

std::uint64_t readNumber(const std::string& word, int base, const char* what) {
  std::uint64_t value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value, base);
  if (error != std::errc() || stop != end || word.empty() || (base == 16 && word.size() != 16)) {
    throw BadLine(std::string(what) + ", not " + quote(word));
  }
  return value;
}

// The header's line: the word, one space and the value ("edition the web").
std::string headerValue(const std::string& line, const char* word) {
  const std::string start = std::string(word) + ' ';
  if (line.rfind(start, 0) != 0 || line.size() == start.size()) {
    throw BadLine(std::string("the header needs '") + word + " VALUE' here, not " + quote(line));
  }
  return line.substr(start.size());
}

ReplayEntry parseEntry(const std::vector<std::string>& words) {
  static constexpr struct {
    const char* word;
    Kind kind;
  } kWords[] = {{"seed", Kind::Seed}, {"enemies", Kind::Enemies}, {"reseed", Kind::Reseed},
                {"check", Kind::Check}, {"end", Kind::End}};
  if (words.size() >= 2) {
    for (const auto& w : kWords) {
      if (words[1] != w.word) continue;
      ReplayEntry entry;
      entry.kind = w.kind;
      long long tick = 0;
      if (!parseWhole(words[0], tick) || tick < 0) throw BadLine("the tick must be a whole number, not " + quote(words[0]));
      entry.tick = tick;
      if (words.size() != 3) throw BadLine(std::string(w.word) + " takes one value");
      if (w.kind == Kind::End) {
        bool known = false;
        for (std::size_t e = 0; e < std::size(kEndings); ++e) {
          if (words[2] == kEndings[e]) {
            entry.ending = static_cast<Ending>(e);
            known = true;
          }
        }
        if (!known) throw BadLine("end takes quit, closed or stopped, not " + quote(words[2]));
      } else if (w.kind == Kind::Check) {
        entry.value = readNumber(words[2], 16, "check takes 16 hex digits");
      } else {
        entry.value = readNumber(words[2], 10, "the value must be a whole number from 0 to 18446744073709551615");
      }
      return entry;
    }
  }
  ReplayEntry entry;
  entry.event = parseEvent(words);
  entry.tick = entry.event.tick;
  return entry;
}

// The order the seam writes: the initial state first, then every entry at
// or after the ticks of the one before, and nothing after the end.
void checkOrder(const Replay& replay, const ReplayEntry& entry, bool haveStart) {
  const bool start = entry.kind == Kind::Seed || entry.kind == Kind::Enemies;
  if (start != !haveStart) throw BadLine("a replay starts with '0 seed STATE' and '0 enemies N', once each");
  if (start && entry.tick != 0) throw BadLine("the initial state is at tick 0");
  if (replay.ended) throw BadLine("nothing follows the end");
  if (!replay.entries.empty() && entry.ticksBefore() < replay.entries.back().ticksBefore()) {
    throw BadLine("entries must come in tick order");
  }
  if (entry.kind == Kind::Enemies && entry.value > 50) throw BadLine("enemies takes 0 to 50");
}

}  // namespace

ReplayWriter::ReplayWriter(std::ostream& out, const std::string& date) : out_(out) {
  out_ << kReplayFormat << ' ' << kReplayVersion << "\ngame " << kGameVersion << "\nedition " << kEdition
       << "\ndate " << date << '\n';
}

// Most lines are the next tick's: the pointer moves at nearly every tick, and
// leaving out their tick keeps a minute of play small. A check keeps its tick
// always, so that the tick it holds is found by reading, not by counting.
void ReplayWriter::write(const ReplayEntry& entry) {
  const std::string line = formatEntry(entry);
  if (entry.kind != ReplayEntry::Kind::Check && lastTick_ >= 0 && entry.tick == lastTick_ + 1) {
    out_ << std::string_view(line).substr(line.find(' ') + 1) << '\n';
  } else {
    out_ << line << '\n';
  }
  lastTick_ = entry.tick;
}

std::string formatEntry(const ReplayEntry& entry) {
  const std::string tick = std::to_string(entry.tick);
  switch (entry.kind) {
    case Kind::Input: return formatEvent(entry.event);
    case Kind::Seed: return tick + " seed " + std::to_string(entry.value);
    case Kind::Enemies: return tick + " enemies " + std::to_string(entry.value);
    case Kind::Reseed: return tick + " reseed " + std::to_string(entry.value);
    case Kind::Check: return tick + " check " + hex(entry.value);
    case Kind::End: return tick + " end " + kEndings[static_cast<int>(entry.ending)];
  }
  return tick;
}

Replay readReplay(std::istream& in, const std::string& source) {
  Replay replay;
  std::string line;
  long long number = 1, bytes = 0;
  bool haveSeed = false, haveStart = false;
  long long lastTick = -1;  // a line without its tick is at the tick after this
  try {
    for (LineEnd end; (end = nextLine(*in.rdbuf(), line)) != LineEnd::None; ++number) {
      // A cut line is where a killed game stopped writing: it is not played.
      if (end == LineEnd::Cut) break;
      bytes += static_cast<long long>(line.size()) + 1;
      if (bytes > kLargestReplay) throw BadLine("the replay goes on past " + std::to_string(kLargestReplay >> 20) + " MB");
      replay.endLine = number + 1;
      if (number == 1) {
        if (line != std::string(kReplayFormat) + ' ' + std::to_string(kReplayVersion)) {
          throw BadLine(std::string("not a replay of this version: the first line should be '") + kReplayFormat + ' ' +
                        std::to_string(kReplayVersion) + "', not " + quote(line));
        }
      } else if (number == 2) {
        replay.gameVersion = headerValue(line, "game");
      } else if (number == 3) {
        replay.edition = headerValue(line, "edition");
      } else if (number == 4) {
        replay.date = headerValue(line, "date");
      } else {
        std::vector<std::string> words = wordsOf(line);
        if (words.empty()) throw BadLine("an empty line");
        if (!words[0].empty() && std::isalpha(static_cast<unsigned char>(words[0][0])) && lastTick >= 0) {
          words.insert(words.begin(), std::to_string(lastTick + 1));
        }
        const ReplayEntry entry = parseEntry(words);
        checkOrder(replay, entry, haveStart);
        if (entry.kind == Kind::Seed) {
          replay.seed = entry.value;
          haveSeed = true;
        } else if (entry.kind == Kind::Enemies) {
          if (!haveSeed) throw BadLine("the seed comes before the enemies");
          replay.enemies = static_cast<int>(entry.value);
          haveStart = true;
        } else {
          replay.ended = entry.kind == Kind::End;
          replay.entries.push_back(entry);
        }
        lastTick = entry.tick;
      }
    }
    if (!haveStart) throw BadLine("the replay ends before its header and initial state are whole");
  } catch (const BadLine& error) {
    throw ReplayError(escape(source) + " line " + std::to_string(number) + ": " + error.what());
  }
  return replay;
}
