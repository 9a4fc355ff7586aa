#include "desktop/qt_input.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qt_input {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kOtherButton = 0;

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

// Virtual-key codes of the keys the game tells apart.
constexpr int kLeftArrowCode = 37;
constexpr int kUpArrowCode = 38;
constexpr int kRightArrowCode = 39;
constexpr int kDownArrowCode = 40;
constexpr int kF1Code = 112;

// Enter and Esc, as typed characters.
constexpr int kEnterAscii = 13;
constexpr int kEscAscii = 27;

// The highest character code a typed character may have.
constexpr char16_t kLastCharacterCode = 255;

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
    case Qt::Key_Left: return kLeftArrowCode;
    case Qt::Key_Up: return kUpArrowCode;
    case Qt::Key_Right: return kRightArrowCode;
    case Qt::Key_Down: return kDownArrowCode;
    case Qt::Key_F1: return kF1Code;
    default: return std::nullopt;
  }
}

std::optional<Integer> keyCode(const QKeyEvent& event) { return keyCode(event.key()); }

std::optional<Integer> keyAscii(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() == 1 && text[0].unicode() <= kLastCharacterCode) return text[0].unicode();
  // Some platforms give Enter and Esc no text; they still type their control codes.
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnterAscii;
    case Qt::Key_Escape: return kEscAscii;
    default: return std::nullopt;
  }
}

}  // namespace qt_input
