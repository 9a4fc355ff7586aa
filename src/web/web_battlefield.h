// The browser's battlefield: the game on a frame with no window at all. The
// page calls in with the player's input and the timer's ticks, then reads back
// what it needs to show: the pixels painted and where, the timer switch, the
// dialogs shown and their numbers, and whether the game has ended.
#pragma once

#include <vector>

#include "core/game.h"
#include "core/random.h"
#include "drawing/offscreen_frame.h"

struct WebBattlefield {
  OffscreenFrame frm;
  RandomSource random;
  Game game{frm, random};
  // Quit ends the game for good: a page can neither end its process nor close
  // its own tab, so from then on every call is refused and the page shows the
  // final score instead.
  bool ended = false;
  // The last damage taken, as left, top, width, height, one rectangle after another.
  std::vector<int> damage;
};

// The one battlefield of the page.
WebBattlefield& battlefield();
