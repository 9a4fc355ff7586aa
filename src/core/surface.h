// The drawing primitives the game uses on the battlefield. Coordinates are
// Single pixels of the client area; colours are r + 256*g + 65536*b.
// Drawing is immediate: every picture stays until drawn over or cleared.
#pragma once

#include <cstdint>

#include "core/numeric.h"

using Colour = std::int32_t;

constexpr Colour RGB(Integer red, Integer green, Integer blue) {
  return red.value() + 256 * green.value() + 65536 * blue.value();
}

class Surface {
 public:
  virtual ~Surface() = default;

  // A segment between two points; the pen position ends at (x2, y2).
  virtual void Line(Single x1, Single y1, Single x2, Single y2, Colour colour) = 0;
  // A segment continued from the pen position.
  virtual void LineTo(Single x2, Single y2, Colour colour) = 0;
  virtual void Circle(Single x, Single y, Single radius, Colour colour) = 0;
  // The colour of one pixel, or -1 outside the client area.
  virtual Colour Point(Single x, Single y) const = 0;
  // Fills the client area with white and puts the pen back to (0, 0).
  virtual void Cls() = 0;
};
