// Turns Qt's mouse and key events into the arguments the battlefield's handlers
// take, so that the handlers speak only the game's terms: Button 1 left, 2
// right, 4 middle; X and Y in battlefield pixels as Singles; KeyCode the
// virtual-key code (37-40 the arrows, 112 F1); KeyAscii the character code.
#pragma once

#include <Qt>
#include <optional>

#include "core/numeric.h"

class QKeyEvent;
class QMouseEvent;

namespace qt_input {

struct MouseArgs {
  Integer button;
  Single x;
  Single y;
};

// A press or a release: Button names the button that changed; any button but
// the three named ones is 0.
MouseArgs buttonChange(const QMouseEvent& event);

// A move: Button holds every button down at the time, added together.
MouseArgs pointerMove(const QMouseEvent& event);

// The virtual-key code of a key the game tells apart (the arrows and F1). Any
// other key has none: its going down and up would change nothing.
std::optional<Integer> keyCode(int qtKey);
std::optional<Integer> keyCode(const QKeyEvent& event);

// The virtual-key code of a key that a replay's playback tells apart: those
// above, and Space, Esc and the digits.
std::optional<Integer> playbackKeyCode(const QKeyEvent& event);

// The character a key press types, if it types one in the 8-bit range.
std::optional<Integer> keyAscii(const QKeyEvent& event);

}  // namespace qt_input
