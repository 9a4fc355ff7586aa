#include "windows/replay_watch.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "core/quote.h"
#include "replay/replay_file.h"
#include "windows/text.h"

namespace {

constexpr char kTitle[] = "Brassmoor replay";

}  // namespace

// Binary: the lines' own CR LF or LF are the reader's to take.
Replay readReplayFile(const std::string& path) {
  const std::filesystem::path file = utf8Path(path);
  const std::string cannot = "cannot read the replay " + quote(path) + ": ";
  // Windows would call a folder "Permission denied".
  std::error_code unknown;
  if (std::filesystem::is_directory(file, unknown)) throw ReplayError(cannot + std::strerror(EISDIR));
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ReplayError(cannot + std::strerror(errno));
  return readReplay(in, path);
}

ReplayWatch::ReplayWatch(ReplayPlayer& player, BattlefieldWindow& frm)
    : frm_(frm),
      playback_(
          player, frm.seam(), [&frm] { frm.runTick(); }, [this](const std::string& sentence) { stopped(sentence); },
          [] { PostQuitMessage(0); }) {
  frm.watch(*this);
  showStatus();
}

void ReplayWatch::period() {
  playback_.period();
  showStatus();
}

void ReplayWatch::keyPressed(Integer virtualKey) {
  if (const std::optional<PlaybackControl> control = playbackControlFor(virtualKey)) playback_.control(*control);
  showStatus();
}

// The screen first, so that the title never tells a tick the battlefield does
// not show yet.
void ReplayWatch::showStatus() {
  frm_.showDamage();
  const std::string status = playback_.status();
  if (status == shownStatus_) return;
  shownStatus_ = status;
  SetWindowTextW(frm_.hwnd(), wide(std::string(kTitle) + ": " + status + " (Space, Right, 1, 4, 0, Esc)").c_str());
}

// The battlefield stays as the replay left it once the box is closed, until
// Esc. The sentence goes where the game's reports go too, for a script to read.
void ReplayWatch::stopped(const std::string& sentence) {
  showStatus();
  std::cerr << "brassmoor: " << sentence << std::endl;
  MessageBoxW(frm_.hwnd(), wide(sentence).c_str(), wide(kTitle).c_str(), MB_OK | MB_ICONINFORMATION);
}
