#include "recording_surface.h"

#include "core/colours.h"
#include "drawing/tank_figure.h"

void RecordingSurface::Line(Single x1, Single y1, Single x2, Single y2, Colour colour) {
  canvas_.Line(x1, y1, x2, y2, colour);
}

void RecordingSurface::LineTo(Single x2, Single y2, Colour colour) { canvas_.LineTo(x2, y2, colour); }

void RecordingSurface::Circle(Single x, Single y, Single radius, Colour colour) {
  if (colour == kHitGrey && radius == kTurretRingRadius) ++hits;
  canvas_.Circle(x, y, radius, colour);
}

Colour RecordingSurface::Point(Single x, Single y) const {
  const Colour colour = canvas_.Point(x, y);
  if (recordProbes) probes.push_back(colour);
  return colour;
}

void RecordingSurface::Cls() {
  if (beforeClear) beforeClear();
  canvas_.Cls();
}
