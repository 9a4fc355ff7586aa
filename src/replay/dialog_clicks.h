// What each button of the two dialogs does, by its tabled name, for every
// front-end alike. The game's own buttons reach it through its seam; Quit
// ends the recording there, then the game, as the front-end ends it.
#pragma once

#include <functional>
#include <map>
#include <string_view>

#include "replay/game_seam.h"

using DialogClicks = std::map<std::string_view, std::function<void()>>;

// Not a control of the table: the close control of the dialog's title bar.
inline constexpr std::string_view kTitleBarClose = "title bar close";

DialogClicks resultClicks(GameSeam& seam, std::function<void()> endGame);
DialogClicks helpClicks(GameSeam& seam);
