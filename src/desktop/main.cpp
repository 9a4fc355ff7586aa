// Creates the battlefield window and runs the event loop: a game, recorded
// unless the player says not to, or a recorded game watched. Qt reads its own
// options (-platform, -display, ...); the rest is the game's command line.
#include <QApplication>
#include <QStringList>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/seeded_random.h"
#include "desktop/battlefield_window.h"
#include "desktop/replay_watch.h"
#include "replay/replay_file.h"
#include "ui/game_options.h"

namespace {

// A replay that cannot be read ends the program as a bad option does.
int watch(const std::string& replayFile) {
  std::optional<ReplayWatch> watch;
  try {
    watch.emplace(readReplayFile(utf8Path(replayFile)), std::cout,
                  [](int status) { QCoreApplication::exit(status); });
  } catch (const ReplayError& error) {
    std::cerr << "brassmoor: " << error.what() << std::endl;
    return kOptionErrorStatus;
  }
  watch->window().show();
  return QApplication::exec();
}

int play(const GameOptions& options) {
  const RecordingReport report = [](const std::string& line) { std::cerr << "brassmoor: " << line << std::endl; };
  const std::time_t started = std::time(nullptr);
  const std::optional<std::filesystem::path> recordFile =
      options.recordFile ? std::optional(utf8Path(*options.recordFile)) : std::nullopt;
  std::optional<ReplayFile> recording;
  if (const auto path = recordingPath(recordFile, options.noRecord,
                                      linuxReplayFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")), started,
                                      report)) {
    recording.emplace(*path, started, report);
  }
  BattlefieldWindow frm(endProcessAtOnce, randomSourceFor(options.seed));
  if (recording) frm.seam().record(*recording);
  frm.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // With shared memory, Qt's X11 backing store waits for a round trip to the
  // X server before each paint that overlaps the last one's, which is every
  // tick; the battlefield's few small boxes cost less sent in the request
  // stream. Measured with scripts/measure_play.sh: 2 wake-ups a tick fewer in
  // the game and 1 fewer in the X server. A player may still set it.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(BRASSMOOR_APP_ID);
  GameOptions options;
  try {
    std::vector<std::string> args;
    for (const QString& arg : QCoreApplication::arguments().mid(1)) args.push_back(arg.toStdString());
    options = parseGameOptions(args);
  } catch (const OptionError& error) {
    std::cerr << "brassmoor: " << error.what() << std::endl;
    return kOptionErrorStatus;
  }
  return options.replayFile ? watch(*options.replayFile) : play(options);
}
