#include "summary.h"

#include <cstdio>
#include <string>

#include "core/json_text.h"

namespace {

long long countLevels(const Summary& s, bool won) {
  long long n = 0;
  for (const LevelSummary& level : s.levels) n += (level.ended && level.won == won) ? 1 : 0;
  return n;
}

const char* result(const LevelSummary& level) { return !level.ended ? "in play" : level.won ? "win" : "loss"; }

}  // namespace

long long Summary::wins() const { return countLevels(*this, true); }
long long Summary::losses() const { return countLevels(*this, false); }
double Summary::ticksPerSecond() const { return seconds > 0 ? static_cast<double>(ticks) / seconds : 0; }

void printSummary(std::ostream& out, const Summary& s) {
  out << "seed " << (s.seed ? std::to_string(*s.seed) : std::string("from the clock")) << '\n';
  out << "level  tanks   ticks  result\n";
  char line[80];
  for (std::size_t i = 0; i < s.levels.size(); ++i) {
    const LevelSummary& level = s.levels[i];
    std::snprintf(line, sizeof line, "%5zu  %5d  %6lld  %s\n", i + 1, level.tanks, level.ticks, result(level));
    out << line;
  }
  out << s.ticks << " ticks, " << s.wins() << " wins, " << s.losses() << " losses, " << s.shellsFired
      << " shells fired, " << s.hits << " hits, " << s.runtimeErrors << " run-time errors\n";
  std::snprintf(line, sizeof line, "%.3f s, %.0f ticks per second\n", s.seconds, s.ticksPerSecond());
  out << line;
}

void printSummaryJson(std::ostream& out, const Summary& s) {
  std::string text = "{\"seed\":";
  if (s.seed) {
    text += std::to_string(*s.seed);
  } else {
    text += "null";
  }
  text += ",\"levels\":[";
  for (std::size_t i = 0; i < s.levels.size(); ++i) {
    const LevelSummary& level = s.levels[i];
    if (i > 0) text += ',';
    text += "{\"level\":";
    appendWhole(text, static_cast<long long>(i + 1));
    text += ",\"tanks\":";
    appendWhole(text, level.tanks);
    text += ",\"ticks\":";
    appendWhole(text, level.ticks);
    text += ",\"result\":";
    appendString(text, result(level));
    text += '}';
  }
  const std::pair<const char*, long long> counts[] = {{"ticks", s.ticks},           {"wins", s.wins()},
                                                      {"losses", s.losses()},       {"shellsFired", s.shellsFired},
                                                      {"hits", s.hits},             {"runtimeErrors", s.runtimeErrors}};
  text += ']';
  for (const auto& [key, value] : counts) {
    text += ",\"";
    text += key;
    text += "\":";
    appendWhole(text, value);
  }
  text += ",\"seconds\":";
  appendDouble(text, s.seconds);
  text += ",\"ticksPerSecond\":";
  appendDouble(text, s.ticksPerSecond());
  out << text << "}\n";
}
