// Creates the battlefield window and runs the event loop, with the game's
// command line as every edition reads it: a game recorded as it is played,
// or a replay watched.
#include "windows/win32.h"

#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "core/seeded_random.h"
#include "replay/replay_file.h"
#include "ui/game_options.h"

#include "windows/battlefield_window.h"
#include "windows/command_line.h"
#include "windows/debug_output.h"
#include "windows/event_loop.h"
#include "windows/replay_watch.h"
#include "windows/text.h"

namespace {

// The game cannot start: there is no window to show it in, so a message box says why.
int cannotStart(const std::exception& error) {
  std::cerr << "brassmoor: " << error.what() << std::endl;
  MessageBoxW(nullptr, wide(error.what()).c_str(), L"Brassmoor cannot start", MB_OK | MB_ICONERROR);
  return 1;
}

// Where the game is recorded, as the options say; a game that cannot be is
// reported in one line and played on.
std::unique_ptr<ReplayFile> recording(const GameOptions& options) {
  const RecordingReport report = [](const std::string& line) { std::cerr << "brassmoor: " << line << std::endl; };
  const std::time_t now = std::time(nullptr);
  const std::optional<std::filesystem::path> file =
      options.recordFile ? std::optional(utf8Path(*options.recordFile)) : std::nullopt;
  const std::optional<std::filesystem::path> path =
      recordingPath(file, options.noRecord, windowsReplayFolder(_wgetenv(L"LOCALAPPDATA")), now, report);
  if (!path) return nullptr;
  return std::make_unique<ReplayFile>(*path, now, report);
}

int play(const GameOptions& options) {
  BattlefieldWindow frm(endProcessAtOnce, randomSourceFor(options.seed));
  const std::unique_ptr<ReplayFile> file = recording(options);
  if (file && file->recording()) frm.seam().record(*file);
  frm.show();
  return runEventLoop(frm);
}

int watch(ReplayPlayer& player) {
  BattlefieldWindow frm(endProcessAtOnce, RandomSource(player.replay().seed, player.clock()));
  frm.game().enemyCount = player.replay().enemies;
  ReplayWatch watching(player, frm);
  frm.show();
  return runEventLoop(frm);
}

}  // namespace

int main() {
  // Lives until the process ends, past the error report that writes through it.
  static DebugOutputTee debugOutput(std::cerr);
  GameOptions options;
  std::optional<ReplayPlayer> replay;
  try {
    options = parseGameOptions(commandLineArguments());
    if (options.replayFile) replay.emplace(readReplayFile(*options.replayFile));
  } catch (const std::runtime_error& error) {  // an OptionError, a ReplayError, or no command line
    std::cerr << "brassmoor: " << error.what() << std::endl;
    return kOptionErrorStatus;
  }
  try {
    return replay ? watch(*replay) : play(options);
  } catch (const std::exception& error) {
    return cannotStart(error);
  }
}
