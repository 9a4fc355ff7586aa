// An input event between ticks, as the input script and the replay write it:
// the tick it comes before, the event's word and its values. One grammar for
// both, so that a person reads a replay as a script and writes one by hand.
#pragma once

#include <string>
#include <vector>

#include "core/numeric.h"

struct InputEvent {
  // Back, Next and Close are the dialogs' buttons; HideResult and HideHelp
  // their title bars' close, which only hides the dialog.
  enum class Kind { Move, Down, Up, KeyDown, KeyUp, Key, Next, Back, Close, HideResult, HideHelp };

  long long tick = 0;  // the event is applied before this tick; the first tick is 1
  Kind kind = Kind::Next;
  Integer code;        // the button, virtual-key code or character code
  Single x = 0, y = 0;
};

// The word that names the event in a script, a replay and the trace.
const char* eventName(InputEvent::Kind kind);

// The tick and the event from a line's words; BadLine says what is wrong.
// A move's button may be left out: it is 0.
InputEvent parseEvent(const std::vector<std::string>& words);
// The line for an event, which parseEvent reads back to the same bits.
std::string formatEvent(const InputEvent& event);

// The shortest decimal that reads back as the same Single.
std::string formatSingle(Single value);
// A whole number of the given type, all of the text and nothing else.
bool parseWhole(const std::string& text, long long& value);
