#include "input_script.h"

#include <charconv>
#include <limits>
#include <stdexcept>

#include "core/errors.h"
#include "decimal.h"
#include "core/quote.h"
#include "ui/dialog_buttons.h"
#include "ui/input_codes.h"
#include "usage_error.h"

namespace {

using Kind = InputEvent::Kind;
using Traits = std::streambuf::traits_type;

// The simulator has no dialogs: Enter is the only character it takes, and F1,
// which would open the help dialog, is no key it presses.
using input_codes::kEnterAscii;
using input_codes::kF1Key;

// An event takes a few dozen bytes. A line far longer is no script at all (a
// device that never ends a line, a binary file) and is refused before it
// fills the memory.
constexpr std::size_t kLongestLine = 1000;  // bytes

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
    {"keyup", Kind::KeyUp, "CODE", false, "CODE"},     {"key", Kind::Key, "CODE", false, "13"},
    {"next", Kind::Next, nullptr, false, "no arguments"},
};

// What is wrong with one line; the reader adds where it is.
class BadLine : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The next line without its end, LF or CR LF; false after the last. A
// carriage return that ends no line is refused rather than read as a space:
// a script with CR-only line ends would otherwise be one long line.
bool nextLine(std::streambuf& in, std::string& line) {
  line.clear();
  Traits::int_type c = in.sbumpc();
  if (c == Traits::eof()) return false;
  for (; c != Traits::eof() && c != '\n'; c = in.sbumpc()) {
    if (c == '\r' && in.sgetc() != '\n' && in.sgetc() != Traits::eof()) {
      throw BadLine("a carriage return inside the line: lines end with LF or CR LF");
    }
    if (c == '\r') continue;
    if (line.size() == kLongestLine) {
      throw BadLine("longer than " + std::to_string(kLongestLine) + " bytes; a line holds one event");
    }
    line += Traits::to_char_type(c);
  }
  return true;
}

std::vector<std::string> wordsOf(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line + ' ') {
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

template <class T>
bool parseWhole(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

Integer readCode(const Grammar& grammar, const std::string& word) {
  int code = 0;
  if (!parseWhole(word, code) || code < -32768 || code > 32767) {
    throw BadLine(std::string(grammar.word) + " takes " + grammar.arguments + ": " + grammar.code +
                  " must be a whole number from -32768 to 32767, not " + quote(word));
  }
  return code;
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

InputEvent parseLine(const std::vector<std::string>& words) {
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

  const std::size_t values = (grammar->code != nullptr ? 1 : 0) + (grammar->hasPosition ? 2 : 0);
  if (words.size() - 2 != values) {
    throw BadLine(std::string(grammar->word) + " takes " + grammar->arguments + ", not " +
                  std::to_string(words.size() - 2) + (words.size() == 3 ? " value" : " values"));
  }
  std::size_t next = 2;
  if (grammar->code != nullptr) event.code = readCode(*grammar, words[next++]);
  if (grammar->hasPosition) {
    event.x = readCoordinate(*grammar, "X", words[next]);
    event.y = readCoordinate(*grammar, "Y", words[next + 1]);
  }
  if (event.kind == Kind::Key && event.code != kEnterAscii) {
    throw BadLine("key takes only 13 (Enter): the simulator has no dialogs and no pause");
  }
  if (event.kind == Kind::KeyDown && event.code == kF1Key) {
    throw BadLine("keydown 112 (F1) would open the help dialog: the simulator has none");
  }
  return event;
}

}  // namespace

const char* eventName(InputEvent::Kind kind) {
  for (const Grammar& g : kGrammar) {
    if (g.kind == kind) return g.word;
  }
  return "?";
}

std::vector<InputEvent> readInputScript(std::istream& in, const std::string& source) {
  std::vector<InputEvent> events;
  std::string line;
  long long number = 1;
  try {
    for (; nextLine(*in.rdbuf(), line); ++number) {
      const std::vector<std::string> words = wordsOf(line);
      if (words.empty() || words[0][0] == '#') continue;
      events.push_back(parseLine(words));
      if (events.size() > 1 && events.back().tick < events[events.size() - 2].tick) {
        throw BadLine("events must come in tick order");
      }
    }
  } catch (const BadLine& error) {
    throw UsageError(escape(source) + " line " + std::to_string(number) + ": " + error.what());
  }
  return events;
}

bool applyEvent(Game& game, const InputEvent& event) {
  switch (event.kind) {
    case Kind::Move: return runHandler("Form_MouseMove", [&] { game.Form_MouseMove(0, event.x, event.y); });
    case Kind::Down: return runHandler("Form_MouseDown", [&] { game.Form_MouseDown(event.code, event.x, event.y); });
    case Kind::Up: return runHandler("Form_MouseUp", [&] { game.Form_MouseUp(event.code, event.x, event.y); });
    case Kind::KeyDown: return runHandler("Form_KeyDown", [&] { game.Form_KeyDown(event.code); });
    case Kind::KeyUp: return runHandler("Form_KeyUp", [&] { game.Form_KeyUp(event.code); });
    case Kind::Key: return runHandler("Form_KeyPress", [&] { game.Form_KeyPress(event.code); });
    case Kind::Next:
      // What the result dialog's Next level button does.
      return runHandler("Command2_Click", [&] { frm_winlose::Command2_Click(game.frm); });
  }
  return true;
}
