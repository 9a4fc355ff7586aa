// The trace: one JSON object per tick, written after the tick. With the row
// before it, a row holds all a tick needs to be worked out again: the events
// applied, every random draw, every pixel the probes read, and the world.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/world.h"
#include "input_script.h"

// One value the random source gave, or a reseed.
struct Draw {
  bool reseed = false;
  Single value = 0;
};

struct TickRecord {
  long long tick = 0;
  std::vector<InputEvent> events;
  std::vector<Draw> draws;
  std::vector<Colour> probes;
};

// The row of one tick, without its line end.
std::string traceRow(const TickRecord& record, const World& world, const Frame& frm);
