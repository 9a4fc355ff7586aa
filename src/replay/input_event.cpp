#include "replay/input_event.h"

#include <charconv>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "replay/decimal.h"
#include "core/quote.h"
#include "replay/text_lines.h"

namespace {

using Kind = InputEvent::Kind;

struct Grammar {
  const char* word;
  Kind kind;
  const char* code;  // the name of its code, or none
  bool hasPosition;
  const char* arguments;  // for the error message
};

constexpr Grammar kGrammar[] = {
    {"move", Kind::Move, nullptr, true, "X Y"},        {"down", Kind::Down, "B", true, "B X Y"},
    {"up", Kind::Up, "B", true, "B X Y"},              {"keydown", Kind::KeyDown, "CODE", false, "CODE"},
    {"keyup", Kind::KeyUp, "CODE", false, "CODE"},     {"key", Kind::Key, "CODE", false, "CODE"},
    {"next", Kind::Next, nullptr, false, "no arguments"}, {"back", Kind::Back, nullptr, false, "no arguments"},
    {"close", Kind::Close, nullptr, false, "no arguments"},
    {"hideresult", Kind::HideResult, nullptr, false, "no arguments"},
    {"hidehelp", Kind::HideHelp, nullptr, false, "no arguments"},
};

const Grammar& grammarOf(Kind kind) {
  for (const Grammar& g : kGrammar) {
    if (g.kind == kind) return g;
  }
  return kGrammar[0];
}

Integer readCode(const Grammar& grammar, const char* name, const std::string& word) {
  long long code = 0;
  if (!parseWhole(word, code) || code < -32768 || code > 32767) {
    throw BadLine(std::string(grammar.word) + " takes " + grammar.arguments + ": " + name +
                  " must be a whole number from -32768 to 32767, not " + quote(word));
  }
  return static_cast<int>(code);
}

Single readCoordinate(const Grammar& grammar, const char* name, const std::string& word) {
  Single value = 0;
  const std::string what = std::string(grammar.word) + " takes " + grammar.arguments + ": " + name + " ";
  switch (readDecimal(word, value)) {
    case DecimalReading::Read: return value;
    case DecimalReading::NotDecimal:
      throw BadLine(what + "must be a decimal number (like -12, 360.25 or 1e2), not " + quote(word));
    case DecimalReading::TooLarge:
      throw BadLine(what + quote(word) + " is beyond a Single's range (the largest is 3.40282347e38)");
    case DecimalReading::TooSmall:
      throw BadLine(what + quote(word) + " is too near 0: a Single would lose it (the least is 1.17549435e-38)");
  }
  throw BadLine(what + quote(word));
}

}  // namespace

bool parseWhole(const std::string& text, long long& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

const char* eventName(Kind kind) { return grammarOf(kind).word; }

InputEvent parseEvent(const std::vector<std::string>& words) {
  InputEvent event;
  if (!parseWhole(words[0], event.tick) || event.tick < 1) {
    throw BadLine("the tick must be a whole number from 1 to " + std::to_string(std::numeric_limits<long long>::max()) +
                  ", not " + quote(words[0]));
  }
  if (words.size() < 2) throw BadLine("an event name must follow the tick");
  const Grammar* grammar = nullptr;
  for (const Grammar& g : kGrammar) {
    if (words[1] == g.word) grammar = &g;
  }
  if (grammar == nullptr) throw BadLine("unknown event " + quote(words[1]));
  event.kind = grammar->kind;

  const std::size_t given = words.size() - 2;
  const bool moveWithButton = event.kind == Kind::Move && given == 3;
  const std::size_t values = (grammar->code != nullptr || moveWithButton ? 1 : 0) + (grammar->hasPosition ? 2 : 0);
  if (given != values) {
    throw BadLine(std::string(grammar->word) + " takes " + grammar->arguments + ", not " + std::to_string(given) +
                  (given == 1 ? " value" : " values"));
  }
  std::size_t next = 2;
  if (grammar->code != nullptr || moveWithButton) event.code = readCode(*grammar, grammar->code ? grammar->code : "B", words[next++]);
  if (grammar->hasPosition) {
    event.x = readCoordinate(*grammar, "X", words[next]);
    event.y = readCoordinate(*grammar, "Y", words[next + 1]);
  }
  return event;
}

// The fewest significant digits that read back to the same bits; nine always
// do. Not std::to_chars: the browser edition's library has none for floats.
constexpr Single kWholeUpTo = 1e9F;

std::string formatSingle(Single value) {
  char text[32];
  for (int digits = 1;; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (digits == 9 || std::strtof(text, nullptr) == value) break;
  }
  // %g writes a whole number of fewer digits than it has as 1e+02; a person
  // writes 100. Such a value is whole, so %.0f writes it exactly.
  if (std::strstr(text, "e+") != nullptr && std::fabs(value) < kWholeUpTo) {
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
  }
  return text;
}

std::string formatEvent(const InputEvent& event) {
  const Grammar& grammar = grammarOf(event.kind);
  std::string line = std::to_string(event.tick) + ' ' + grammar.word;
  if (grammar.code != nullptr || (event.kind == Kind::Move && event.code != 0)) {
    line += ' ' + std::to_string(event.code.value());
  }
  if (grammar.hasPosition) line += ' ' + formatSingle(event.x) + ' ' + formatSingle(event.y);
  return line;
}
