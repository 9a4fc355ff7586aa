// The scripted input: events applied between ticks through the battlefield's
// own handlers, exactly as the window applies mouse and key events.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "replay/game_seam.h"
#include "replay/input_event.h"

// Reads a whole script. Blank lines and lines starting with # are skipped.
// A bad line (a bad event, or a line of more than 1000 bytes) throws
// UsageError naming the source and the line number and saying what is wrong.
std::vector<InputEvent> readInputScript(std::istream& in, const std::string& source);
