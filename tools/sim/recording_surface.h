// The simulator's battlefield: the game's own canvas behind a thin layer that
// notes what the trace and the summary need. Only the contact probe reads
// pixels, so the colours Point returns are exactly the probes of the tick.
#pragma once

#include <functional>
#include <vector>

#include "core/surface.h"
#include "drawing/canvas.h"

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(Canvas& canvas) : canvas_(canvas) {}

  void Line(Single x1, Single y1, Single x2, Single y2, Colour colour) override;
  void LineTo(Single x2, Single y2, Colour colour) override;
  void Circle(Single x, Single y, Single radius, Colour colour) override;
  Colour Point(Single x, Single y) const override;
  void Cls() override;

  bool recordProbes = false;
  mutable std::vector<Colour> probes;
  // Only a hit redraws a tank grey, and a tank's figure has one circle, its
  // turret ring: one grey ring is one hit.
  long long hits = 0;
  // Runs before the battlefield is cleared, while the picture is still there.
  std::function<void()> beforeClear;

 private:
  Canvas& canvas_;
};
