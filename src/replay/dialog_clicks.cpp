#include "replay/dialog_clicks.h"

#include <utility>

DialogClicks resultClicks(GameSeam& seam, std::function<void()> endGame) {
  return {{"btn_quit",
           [&seam, endGame = std::move(endGame)] {
             seam.end(ReplayEntry::Ending::Quit);
             endGame();
           }},
          {"Command1", [&seam] { seam.clickBack(); }},
          {"Command2", [&seam] { seam.clickNextLevel(); }},
          {kTitleBarClose, [&seam] { seam.hideResult(); }}};
}

DialogClicks helpClicks(GameSeam& seam) {
  return {{"Command1", [&seam] { seam.clickClose(); }}, {kTitleBarClose, [&seam] { seam.hideHelp(); }}};
}
