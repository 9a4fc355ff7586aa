// The game's one thread: it waits for the next window message or the next
// tick, whichever comes first, and runs it. A tick never overlaps a handler.
#pragma once

#include "windows/battlefield_window.h"

// Runs until the battlefield is closed; returns the exit status.
int runEventLoop(BattlefieldWindow& frm);
