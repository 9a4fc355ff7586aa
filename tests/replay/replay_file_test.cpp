// Where the desktop editions keep their games, how many, and a recording
// that cannot be written reported once while the game plays on.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "replay/replay_file.h"

namespace fs = std::filesystem;

namespace {

struct Folder {
  Folder() : path(fs::temp_directory_path() / ("brassmoor-replays-" + std::to_string(getpid()))) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  void touch(const std::string& name) const { std::ofstream(path / name) << "x"; }
  fs::path path;
};

// Each edition's rule is tested where it runs: on Windows "/h" is no absolute folder.
#ifndef _WIN32
TEST(ReplayFileTest, TheLinuxFolderFollowsXdgStateHomeAndElseTheHome) {
  const struct {
    const char *state, *home, *folder;
  } cases[] = {
      {"/s", "/h", "/s/brassmoor/replays"},
      {"", "/h", "/h/.local/state/brassmoor/replays"},
      {"rel", "/h", "/h/.local/state/brassmoor/replays"},
      {nullptr, "/h", "/h/.local/state/brassmoor/replays"},
      {nullptr, "h", ""},
      {nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    const std::optional<fs::path> folder = linuxReplayFolder(c.state, c.home);
    EXPECT_EQ(folder ? folder->generic_string() : "", c.folder) << (c.state ? c.state : "unset");
  }
}
#else
TEST(ReplayFileTest, TheWindowsFolderIsUnderLocalAppDataWhateverItsCharacters) {
  const struct {
    const wchar_t *localAppData, *folder;
  } cases[] = {
      {L"C:\\Users\\Zo\u00eb \u03a9mega\\AppData\\Local", L"C:\\Users\\Zo\u00eb \u03a9mega\\AppData\\Local\\Brassmoor\\replays"},
      {L"Local", L""},
      {nullptr, L""},
  };
  for (const auto& c : cases) {
    const std::optional<fs::path> folder = windowsReplayFolder(c.localAppData);
    EXPECT_EQ(folder ? folder->wstring() : L"", c.folder);
  }
}
#endif

TEST(ReplayFileTest, AGameTakesANewFileNamedByItsTimeAndTheNewestHundredAreKept) {
  Folder folder;
  const std::time_t when = 1796729007;  // 2026-12-08 11:23:27 UTC
  folder.touch("2026-12-08_112327.replay");
  EXPECT_EQ(newReplayPath(folder.path, when).filename(), "2026-12-08_112327-2.replay");
  for (int day = 1; day <= 28; ++day) {
    const std::string date = "2026-11-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
    for (int hour = 10; hour < 14; ++hour) folder.touch(date + "_" + std::to_string(hour) + "0000.replay");
  }
  folder.touch("notes.txt");
  const auto path = recordingPath(std::nullopt, false, folder.path, when, [](const std::string& line) { FAIL() << line; });
  ASSERT_TRUE(path);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  // 113 replays and the notes: 14 of the oldest go, and the new game makes 100.
  ASSERT_EQ(names.size(), kKeptReplays);
  EXPECT_EQ(names.front(), "2026-11-04_120000.replay");
  EXPECT_EQ(names.back(), "notes.txt");
}

TEST(ReplayFileTest, AFileThatCannotBeMadeOrWrittenIsReportedOnceAndTheRestIsNotWritten) {
  Folder folder;
  const struct {
    fs::path path;
    std::string report;
  } cases[] = {
      {folder.path / "none" / "x.replay", "the replay \"" + (folder.path / "none" / "x.replay").string() +
                                              "\" cannot be made (No such file or directory); the game plays on unrecorded"},
      {"/dev/full", "the replay \"/dev/full\" cannot be written (No space left on device); the game plays on unrecorded"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> reports;
    ReplayFile file(c.path, 0, [&](const std::string& line) { reports.push_back(line); });
    for (long long tick = 40; tick <= 400; tick += 40) file.write({ReplayEntry::Kind::Check, tick, {}, 1});
    EXPECT_EQ(reports, std::vector<std::string>{c.report});
    EXPECT_FALSE(file.recording());
  }
}

TEST(ReplayFileTest, WhereNoFolderIsKnownTheGameSaysSoAndPlaysOnUnrecorded) {
  std::vector<std::string> reports;
  EXPECT_FALSE(recordingPath(std::nullopt, false, std::nullopt, 0, [&](const std::string& line) { reports.push_back(line); }));
  EXPECT_EQ(reports, std::vector<std::string>{"no folder for replays is known here; the game plays on unrecorded"});
}

}  // namespace
