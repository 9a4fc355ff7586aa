// The battlefield's mouse and keyboard handlers. Most only set fields that the
// next tick reads; Esc, F1, P and Enter act at once.
#include "core/game.h"
#include "ui/input_codes.h"
#include "ui/score_captions.h"

namespace {

using namespace input_codes;

// Half the side of the square around the pointer in which a right-click picks a tank.
constexpr Double kPickReach = 20;

}  // namespace

void Game::Form_MouseDown(Integer button, Single, Single) {
  if (button == kLeftButton) fireHeld = kTrue;
}

void Game::Form_MouseMove(Integer, Single x, Single y) {
  mouseX = roundToInteger(x);
  mouseY = roundToInteger(y);
}

void Game::Form_MouseUp(Integer button, Single x, Single y) {
  fireHeld = kFalse;
  if (button != kRightButton) return;

  // The box is tested in single precision; a later pick overwrites an earlier
  // one, so the highest slot inside wins.
  const Single left = toSingle(Double{x} - kPickReach), right = toSingle(Double{x} + kPickReach);
  const Single top = toSingle(Double{y} - kPickReach), bottom = toSingle(Double{y} + kPickReach);
  for (loopI = 0; loopI <= MAX_TANK; loopI = loopI + 1) {
    const Integer i = loopI;
    if (tankState[kPlayerSlot] != kOutOfPlay || tankState[i] <= kOutOfPlay) continue;
    const Single tx = toSingle(tankX[i]), ty = toSingle(tankY[i]);
    if (left < tx && tx < right && top < ty && ty < bottom) {
      for (curTank = 0; curTank <= MAX_TANK; curTank = curTank + 1) tankTarget[curTank] = i;
    }
  }
}

void Game::Form_KeyPress(Integer keyAscii) {
  const int key = keyAscii.value();
  if (key == kEscAscii) {
    ResultDialog& result = frm.frm_winlose();
    if (result.Visible()) {
      frm.setTimerEnabled(true);
      result.setVisible(false);
    } else {
      keyUp = keyDown = keyRight = keyLeft = kFalse;
      setScoreCaptions(*this, result);
      result.setVisible(true);
      frm.setTimerEnabled(false);
    }
  } else if (key == kLowerPAscii || key == kUpperPAscii) {
    frm.setTimerEnabled(!frm.timerEnabled());
  } else if (key == kEnterAscii) {
    frm.canvas().Cls();
  }
}

void Game::Form_KeyDown(Integer keyCode) {
  switch (keyCode.value()) {
    case kLeftKey: keyLeft = kTrue; break;
    case kUpKey: keyUp = kTrue; break;
    case kRightKey: keyRight = kTrue; break;
    case kDownKey: keyDown = kTrue; break;
    case kF1Key: {
      HelpDialog& help = frm.frm_help();
      if (help.Visible()) {
        frm.setTimerEnabled(true);
        help.setVisible(false);
      } else {
        keyUp = keyDown = keyRight = keyLeft = kFalse;
        frm.setTimerEnabled(false);
        help.setVisible(true);
      }
      break;
    }
    default: break;
  }
}

void Game::Form_KeyUp(Integer keyCode) {
  switch (keyCode.value()) {
    case kLeftKey: keyLeft = kFalse; break;
    case kUpKey: keyUp = kFalse; break;
    case kRightKey: keyRight = kFalse; break;
    case kDownKey: keyDown = kFalse; break;
    default: break;
  }
}
