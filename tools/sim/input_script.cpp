#include "input_script.h"

#include "core/errors.h"
#include "core/quote.h"
#include "replay/text_lines.h"
#include "ui/input_codes.h"
#include "usage_error.h"

namespace {

using Kind = InputEvent::Kind;

// The simulator has no dialogs: Enter is the only character it takes, and F1,
// which would open the help dialog, is no key it presses. A replay, which
// plays what a window did, takes every key.
using input_codes::kEnterAscii;
using input_codes::kF1Key;

InputEvent parseLine(const std::vector<std::string>& words) {
  const InputEvent event = parseEvent(words);
  if (event.kind == Kind::Key && event.code != kEnterAscii) {
    throw BadLine("key takes only 13 (Enter): the simulator has no dialogs and no pause");
  }
  if (event.kind == Kind::KeyDown && event.code == kF1Key) {
    throw BadLine("keydown 112 (F1) would open the help dialog: the simulator has none");
  }
  return event;
}

}  // namespace

std::vector<InputEvent> readInputScript(std::istream& in, const std::string& source) {
  std::vector<InputEvent> events;
  std::string line;
  long long number = 1;
  try {
    for (; nextLine(*in.rdbuf(), line) != LineEnd::None; ++number) {
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

