#include "windows/win32_input.h"

#include "ui/input_codes.h"

namespace win32_input {

namespace {

using namespace input_codes;

struct HeldButton {
  WPARAM flag;
  int button;
};
constexpr HeldButton kHeldButtons[] = {{MK_LBUTTON, kLeftButton}, {MK_RBUTTON, kRightButton}, {MK_MBUTTON, kMiddleButton}};
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

}  // namespace

std::optional<Integer> buttonChange(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return kMiddleButton;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP: return kOtherButton;
    default: return std::nullopt;
  }
}

Integer buttonsHeld(WPARAM wParam) {
  int held = 0;
  for (const HeldButton& b : kHeldButtons)
    if (wParam & b.flag) held += b.button;
  return held;
}

bool anyButtonHeld(WPARAM wParam) { return (wParam & kAnyButton) != 0; }

std::optional<Integer> keyCode(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_LEFT: return kLeftKey;
    case VK_UP: return kUpKey;
    case VK_RIGHT: return kRightKey;
    case VK_DOWN: return kDownKey;
    case VK_F1: return kF1Key;
    default: return std::nullopt;
  }
}

std::optional<Integer> keyAscii(WPARAM character) {
  if (character <= static_cast<WPARAM>(kLastAscii)) return static_cast<int>(character);
  return std::nullopt;
}

}  // namespace win32_input
