// A game recorded to a file while it is played, as the desktop editions do
// by default: one file a game in the player's replay folder, named by its
// date and time, the newest 100 kept.
#pragma once

#include <chrono>
#include <cstddef>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "replay/replay_format.h"

inline constexpr std::size_t kKeptReplays = 100;
inline constexpr const char* kReplayExtension = ".replay";

// The folder of the recorded games on Linux: $XDG_STATE_HOME/brassmoor/replays,
// or ~/.local/state/brassmoor/replays when that is unset, empty or not absolute.
// None when neither variable gives an absolute folder.
std::optional<std::filesystem::path> linuxReplayFolder(const char* xdgStateHome, const char* home);
// On Windows: %LOCALAPPDATA%\Brassmoor\replays.
std::optional<std::filesystem::path> windowsReplayFolder(const wchar_t* localAppData);

// A path given in UTF-8, as the editions pass their command lines: on
// Windows the system's UTF-16 calls then get every character.
std::filesystem::path utf8Path(const std::string& text);

// A replay's date, as its header and its file name give it.
std::string replayDate(std::time_t when);
// A replay's file name without its extension, "2026-12-08_110327": its
// game's date and time.
std::string replayStem(std::time_t when);
// A new file in folder for a game started at when, "2026-12-08_110327.replay",
// with "-2", "-3" ... added when one of that second is there already.
std::filesystem::path newReplayPath(const std::filesystem::path& folder, std::time_t when);
// Removes the oldest of the folder's replays beyond the newest kept. Other
// files are left alone.
void keepNewestReplays(const std::filesystem::path& folder, std::size_t kept);

// Reports in one line why a game is not recorded; the game plays on.
using RecordingReport = std::function<void(const std::string& line)>;

// Writes each entry as it comes and flushes at every check and at least
// once a second of play, so that a killed game loses at most its last
// second. A file that cannot be opened or written is reported once, and
// nothing more is written.
class ReplayFile final : public ReplaySink {
 public:
  ReplayFile(const std::filesystem::path& path, std::time_t when, RecordingReport report);
  void write(const ReplayEntry& entry) override;
  bool recording() const { return writer_.has_value(); }

 private:
  void fail(const char* what);

  std::filesystem::path path_;
  std::ofstream out_;
  std::optional<ReplayWriter> writer_;
  RecordingReport report_;
  std::chrono::steady_clock::time_point flushed_;
};

// Where a desktop edition records, from its options: the file named by
// --record, none with --no-record, or else a new file in the replay folder,
// which is made if need be and trimmed to the newest 100. None, reported,
// when the folder cannot be made.
std::optional<std::filesystem::path> recordingPath(const std::optional<std::filesystem::path>& recordFile,
                                                   bool noRecord, const std::optional<std::filesystem::path>& folder,
                                                   std::time_t when, const RecordingReport& report);
