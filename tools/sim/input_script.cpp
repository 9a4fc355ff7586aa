#include "input_script.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

#include "core/errors.h"
#include "ui/dialog_buttons.h"
#include "ui/input_codes.h"
#include "usage_error.h"

namespace {

using Kind = InputEvent::Kind;

// The simulator has no dialogs: Enter is the only character it takes, and F1,
// which would open the help dialog, is no key it presses.
using input_codes::kEnterAscii;
using input_codes::kF1Key;

struct Grammar {
  const char* word;
  Kind kind;
  bool hasCode;
  bool hasPosition;
  const char* arguments;  // for the error message
};

constexpr Grammar kGrammar[] = {
    {"move", Kind::Move, false, true, "X Y"},          {"down", Kind::Down, true, true, "B X Y"},
    {"up", Kind::Up, true, true, "B X Y"},             {"keydown", Kind::KeyDown, true, false, "CODE"},
    {"keyup", Kind::KeyUp, true, false, "CODE"},       {"key", Kind::Key, true, false, "13"},
    {"next", Kind::Next, false, false, "no arguments"},
};

template <class T>
bool parseNumber(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

// A coordinate is read by a stream in the classic locale: the C++ library of
// the Node build has no from_chars for floating point, and both builds must
// read a script alike.
bool parseNumber(const std::string& text, Single& value) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  in >> value;
  return !in.fail() && in.peek() == std::char_traits<char>::eof();
}

InputEvent parseLine(const std::vector<std::string>& words) {
  InputEvent event;
  if (!parseNumber(words[0], event.tick) || event.tick < 1) {
    throw UsageError("the tick must be a whole number of at least 1, not '" + words[0] + "'");
  }
  if (words.size() < 2) throw UsageError("an event name must follow the tick");
  const Grammar* grammar = nullptr;
  for (const Grammar& g : kGrammar) {
    if (words[1] == g.word) grammar = &g;
  }
  if (grammar == nullptr) throw UsageError("unknown event '" + words[1] + "'");
  event.kind = grammar->kind;

  const std::size_t expected = 2 + (grammar->hasCode ? 1 : 0) + (grammar->hasPosition ? 2 : 0);
  const auto wrong = [&] { return UsageError(std::string(grammar->word) + " takes " + grammar->arguments); };
  if (words.size() != expected) throw wrong();
  std::size_t next = 2;
  if (grammar->hasCode) {
    int code = 0;
    if (!parseNumber(words[next++], code) || code < -32768 || code > 32767) throw wrong();
    event.code = code;
  }
  if (grammar->hasPosition) {
    if (!parseNumber(words[next], event.x) || !parseNumber(words[next + 1], event.y) || !std::isfinite(event.x) ||
        !std::isfinite(event.y)) {
      throw wrong();
    }
  }
  if (event.kind == Kind::Key && event.code != kEnterAscii) {
    throw UsageError("key takes only 13 (Enter): the simulator has no dialogs and no pause");
  }
  if (event.kind == Kind::KeyDown && event.code == kF1Key) {
    throw UsageError("keydown 112 (F1) would open the help dialog: the simulator has none");
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
  for (long long number = 1; std::getline(in, line); ++number) {
    std::istringstream words(line);
    std::vector<std::string> split;
    for (std::string word; words >> word;) split.push_back(word);
    if (split.empty() || split[0][0] == '#') continue;
    try {
      events.push_back(parseLine(split));
      if (events.size() > 1 && events.back().tick < events[events.size() - 2].tick) {
        throw UsageError("events must come in tick order");
      }
    } catch (const UsageError& error) {
      throw UsageError(source + " line " + std::to_string(number) + ": " + error.what());
    }
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
