// The codes the battlefield's six handlers speak: every front-end turns its
// toolkit's mouse and key events into these, and the simulator's script
// names them.
#pragma once

namespace input_codes {

// Button: the mouse button that changed. A move adds up the buttons held.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kOtherButton = 0;  // any button the game does not name

// KeyCode: the virtual-key codes of Form_KeyDown and Form_KeyUp.
inline constexpr int kLeftKey = 37;
inline constexpr int kUpKey = 38;
inline constexpr int kRightKey = 39;
inline constexpr int kDownKey = 40;
inline constexpr int kF1Key = 112;

// KeyAscii: the character codes of Form_KeyPress.
inline constexpr int kEnterAscii = 13;
inline constexpr int kEscAscii = 27;
inline constexpr int kUpperPAscii = 80;
inline constexpr int kLowerPAscii = 112;
// A typed character of a higher code reaches no handler.
inline constexpr int kLastAscii = 255;

}  // namespace input_codes
