// Runs an event handler the way the window does, and tells whether it ran to
// its end: the simulator counts the run-time errors that the game reports.
#pragma once

#include "core/errors.h"

template <class Handler>
bool runToEnd(const char* name, Handler&& handler) {
  bool finished = false;
  runHandler(name, [&] {
    handler();
    finished = true;
  });
  return finished;
}
