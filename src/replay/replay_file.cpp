#include "replay/replay_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr auto kFlushEvery = std::chrono::seconds(1);

std::optional<fs::path> absoluteFolder(const fs::path& folder) {
  if (folder.empty() || !folder.is_absolute()) return std::nullopt;
  return folder;
}

// Shown as the player wrote it, whatever the system's code page.
std::string shown(const fs::path& path) {
  const std::u8string text = path.u8string();
  return "\"" + std::string(text.begin(), text.end()) + "\"";
}

// A Linux folder is absolute by its leading slash, in whichever build reads it.
std::optional<std::filesystem::path> linuxFolder(const char* text) {
  if (text == nullptr || text[0] != '/') return std::nullopt;
  return fs::path(text);
}

}  // namespace

std::optional<fs::path> linuxReplayFolder(const char* xdgStateHome, const char* home) {
  if (auto folder = linuxFolder(xdgStateHome)) return *folder / "brassmoor" / "replays";
  if (auto folder = linuxFolder(home)) return *folder / ".local" / "state" / "brassmoor" / "replays";
  return std::nullopt;
}

std::optional<fs::path> windowsReplayFolder(const wchar_t* localAppData) {
  if (localAppData == nullptr) return std::nullopt;
  if (auto folder = absoluteFolder(localAppData)) return *folder / "Brassmoor" / "replays";
  return std::nullopt;
}

std::filesystem::path utf8Path(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

std::string replayDate(std::time_t when) {
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&when));
  return text;
}

std::string replayStem(std::time_t when) {
  char stem[32];
  std::strftime(stem, sizeof stem, "%Y-%m-%d_%H%M%S", std::gmtime(&when));
  return stem;
}

fs::path newReplayPath(const fs::path& folder, std::time_t when) {
  const std::string stem = replayStem(when);
  fs::path path = folder / (stem + kReplayExtension);
  for (int n = 2; fs::exists(path); ++n) path = folder / (stem + "-" + std::to_string(n) + kReplayExtension);
  return path;
}

// The names begin with the date and time, so their order is the games' order.
void keepNewestReplays(const fs::path& folder, std::size_t kept) {
  std::vector<fs::path> replays;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == kReplayExtension) replays.push_back(entry.path());
  }
  if (replays.size() <= kept) return;
  std::sort(replays.begin(), replays.end());
  for (std::size_t i = 0; i < replays.size() - kept; ++i) fs::remove(replays[i]);
}

// Binary: a text stream on Windows ends every line with CR LF, and the file
// would differ from every other edition's.
ReplayFile::ReplayFile(const fs::path& path, std::time_t when, RecordingReport report)
    : path_(path), report_(std::move(report)), flushed_(std::chrono::steady_clock::now()) {
  out_.open(path, std::ios::binary);
  if (!out_) {
    fail("cannot be made");
    return;
  }
  writer_.emplace(out_, replayDate(when));
}

void ReplayFile::write(const ReplayEntry& entry) {
  if (!writer_) return;
  errno = 0;
  writer_->write(entry);
  const auto now = std::chrono::steady_clock::now();
  if (entry.kind == ReplayEntry::Kind::Check || entry.kind == ReplayEntry::Kind::End || now - flushed_ >= kFlushEvery) {
    out_.flush();
    flushed_ = now;
  }
  if (!out_) fail("cannot be written");
}

void ReplayFile::fail(const char* what) {
  const int error = errno;
  writer_.reset();
  std::string line = "the replay " + shown(path_) + " " + what;
  if (error != 0) line += std::string(" (") + std::strerror(error) + ")";
  report_(line + "; the game plays on unrecorded");
}

std::optional<fs::path> recordingPath(const std::optional<fs::path>& recordFile, bool noRecord,
                                      const std::optional<fs::path>& folder, std::time_t when,
                                      const RecordingReport& report) {
  if (noRecord) return std::nullopt;
  if (recordFile) return recordFile;
  if (!folder) {
    report("no folder for replays is known here; the game plays on unrecorded");
    return std::nullopt;
  }
  std::error_code error;
  fs::create_directories(*folder, error);
  if (!error) {
    const fs::path path = newReplayPath(*folder, when);
    // One slot is the new game's.
    try {
      keepNewestReplays(*folder, kKeptReplays - 1);
    } catch (const fs::filesystem_error& e) {
      report("the old replays in " + shown(*folder) + " cannot be removed (" + e.code().message() + ")");
    }
    return path;
  }
  report("the replay folder " + shown(*folder) + " cannot be made (" + error.message() +
         "); the game plays on unrecorded");
  return std::nullopt;
}
