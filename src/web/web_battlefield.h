// The page's battlefield: the game on a frame with no window at all, shared
// by the calls the page makes into it. The page calls in with the player's
// input and the timer's ticks, then reads back what it shows: the pixels
// painted and where, the timer switch, the dialogs shown and their numbers,
// and whether the game has ended.
#pragma once

#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/random.h"
#include "drawing/offscreen_frame.h"
#include "replay/game_seam.h"
#include "replay/playback.h"
#include "replay/replay_format.h"
#include "replay/replay_player.h"

struct WebBattlefield {
  OffscreenFrame frm;
  RandomSource random;
  Game game{frm, random};
  GameSeam seam{game};
  // Quit ends the game for good: a page can neither end its process nor close
  // its own tab, so from then on every call is refused and the page shows the
  // final score instead.
  bool ended = false;
  // The last damage taken.
  const std::vector<PixelRect>* damage = nullptr;

  // The game played, as a replay's text so far.
  std::time_t started = 0;
  std::ostringstream recording;
  std::optional<ReplayWriter> writer;

  // Or a replay watched, which the page's timer plays at its pace.
  std::optional<ReplayPlayer> player;
  std::optional<Playback> playback;
  std::string stopSentence;
};

WebBattlefield& battlefield();

// The player's calls, once the game has ended or while a replay is watched.
inline bool refused() { return battlefield().ended || battlefield().playback.has_value(); }
