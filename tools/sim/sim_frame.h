// The simulator's battlefield window: no window at all. The canvas is the
// game's own, behind the recording layer; no event the simulator takes opens
// a dialog.
#pragma once

#include "drawing/offscreen_frame.h"
#include "recording_surface.h"

class SimFrame final : public OffscreenFrame {
 public:
  Surface& canvas() override { return surface; }

  RecordingSurface surface{picture()};
};
