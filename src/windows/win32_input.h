// Turns the battlefield's window messages into the arguments its handlers
// take, so that the handlers speak only the game's terms: Button 1 left, 2
// right, 4 middle; KeyCode the virtual-key code (37-40 the arrows, 112 F1);
// KeyAscii the character code. Pointer positions are mapped to battlefield
// pixels by the window, which knows the scale.
#pragma once

#include "windows/win32.h"

#include <optional>

#include "core/numeric.h"

namespace win32_input {

// The button a press or release message is about; a button the game does
// not name is 0. Nothing for any other message.
std::optional<Integer> buttonChange(UINT message);

// A move: Button holds every button down at the time (the MK_ flags), added together.
Integer buttonsHeld(WPARAM wParam);

// Every button down at the time of a mouse message.
bool anyButtonHeld(WPARAM wParam);

// The virtual-key code of a key the game tells apart (the arrows and F1). Any
// other key has none: its going down and up would change nothing.
std::optional<Integer> keyCode(WPARAM virtualKey);

// The character a WM_CHAR types, if it is in the 8-bit range.
std::optional<Integer> keyAscii(WPARAM character);

}  // namespace win32_input
