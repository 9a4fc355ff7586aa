#include "desktop/qt_input.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/input_codes.h"

namespace qt_input {

namespace {

using namespace input_codes;

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return kOtherButton;
  }
}

MouseArgs at(const QMouseEvent& event, int button) {
  const QPointF pixel = event.position();
  return {button, static_cast<Single>(pixel.x()), static_cast<Single>(pixel.y())};
}

}  // namespace

MouseArgs buttonChange(const QMouseEvent& event) { return at(event, buttonCode(event.button())); }

MouseArgs pointerMove(const QMouseEvent& event) {
  int held = 0;
  for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    if (event.buttons() & b) held += buttonCode(b);
  return at(event, held);
}

std::optional<Integer> keyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return kLeftKey;
    case Qt::Key_Up: return kUpKey;
    case Qt::Key_Right: return kRightKey;
    case Qt::Key_Down: return kDownKey;
    case Qt::Key_F1: return kF1Key;
    default: return std::nullopt;
  }
}

std::optional<Integer> keyCode(const QKeyEvent& event) { return keyCode(event.key()); }

std::optional<Integer> playbackKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  // Qt numbers Space and the digits as their virtual keys are numbered, and
  // Esc's virtual key has the code of the character it types.
  if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  if (key == Qt::Key_Escape) return kEscAscii;
  return keyCode(key);
}

std::optional<Integer> keyAscii(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() == 1 && text[0].unicode() <= kLastAscii) return text[0].unicode();
  // Some platforms give Enter and Esc no text; they still type their control codes.
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnterAscii;
    case Qt::Key_Escape: return kEscAscii;
    default: return std::nullopt;
  }
}

}  // namespace qt_input
