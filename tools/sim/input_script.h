// The scripted input: events applied between ticks through the battlefield's
// own handlers, exactly as the window applies mouse and key events.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "core/game.h"

struct InputEvent {
  enum class Kind { Move, Down, Up, KeyDown, KeyUp, Key, Next };

  long long tick = 0;  // the event is applied before this tick; the first tick is 1
  Kind kind = Kind::Next;
  Integer code;        // the button, virtual-key code or character code
  Single x = 0, y = 0;
};

// The word that names the event in a script and in the trace.
const char* eventName(InputEvent::Kind kind);

// Reads a whole script. Blank lines and lines starting with # are skipped.
// A bad line (a bad event, or a line of more than 1000 bytes) throws
// UsageError naming the source and the line number and saying what is wrong.
std::vector<InputEvent> readInputScript(std::istream& in, const std::string& source);

// Applies one event through the game's handler, run like the window runs it.
// False when a run-time error ended the handler.
bool applyEvent(Game& game, const InputEvent& event);
