// A replay watched in the battlefield window, at the window's pace: the
// playback keys (Space, Right, 1, 4, 0, Esc), the playback's state in the
// window's title, which the taskbar shows, and the sentence that stops it in
// a message box and on stderr, so that nothing is painted over the battlefield.
#pragma once

#include <string>

#include "replay/playback.h"
#include "replay/replay_player.h"
#include "windows/battlefield_window.h"

// The replay in the file named in UTF-8; ReplayError, naming the file and
// the line, when it cannot be read.
Replay readReplayFile(const std::string& path);

class ReplayWatch final : public BattlefieldWindow::Watcher {
 public:
  ReplayWatch(ReplayPlayer& player, BattlefieldWindow& frm);

  void period() override;
  void keyPressed(Integer virtualKey) override;

 private:
  void showStatus();
  void stopped(const std::string& sentence);

  BattlefieldWindow& frm_;
  Playback playback_;
  std::string shownStatus_;
};
