// A recorded game watched in the battlefield window, at its pace. The
// player's keys steer the playback (Space, Right, 1, 4, 0, Esc) and, like the
// mouse and the dialogs' buttons, never reach the game. The playback's state
// is the battlefield's title, which the desktop's task bar shows; the
// sentence that stops it is printed on stdout and shown in a message window
// of its own, so nothing is painted over the battlefield.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "desktop/battlefield_window.h"
#include "replay/playback.h"
#include "replay/replay_player.h"

// The replay in a file; ReplayError, in one line that names the file, when
// it cannot be read.
Replay readReplayFile(const std::filesystem::path& path);

class ReplayWatch : public QObject {
 public:
  // How a watch ends its process once the player ends it: 0 when the replay
  // played to its end or was ended before, 1 when it parted from the game,
  // 2 when it ended early (its game was killed while it was recorded).
  using Ended = std::function<void(int status)>;

  // The stop sentence is written to told, a line of its own.
  ReplayWatch(Replay replay, std::ostream& told, Ended ended);
  ~ReplayWatch() override;

  BattlefieldWindow& window() { return frm_; }
  const Playback& playback() const { return playback_; }

 protected:
  // Every input to the battlefield and its dialogs is taken here.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ours(QObject* watched) const;
  void pressed(const QKeyEvent& key);
  void stopped(const std::string& sentence);
  void showStatus();

  ReplayPlayer player_;
  std::ostream& told_;
  Ended ended_;
  BattlefieldWindow frm_;
  Playback playback_;
  std::unique_ptr<QMessageBox> sentence_;
  int stopStatus_ = 0;
};
