// A game played in the window, recorded through its seam and watched in a
// window again: the same world at the end whatever the player does meanwhile,
// the playback's keys and title, the stop sentence and title with the
// process's status, and replay files that cannot be read.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "core/world_hash.h"
#include "desktop/replay_watch.h"
#include "support/seam_lines.h"
#include "ui_support.h"

namespace {

constexpr int kTicks = 120;
constexpr int kEscTick = 30;
// Far more periods than the replay's ticks and its held clicks.
constexpr int kMostPeriods = 1000;

struct Recorded {
  std::string text;
  std::uint64_t finalHash = 0;
};

// The player aims, holds Up and fires, looks at the result before tick 30 and
// goes back, and quits once tick 120 has run.
Recorded recordWindowGame() {
  PlayerWindow w;
  const SeamLines lines(w.frm.seam());
  for (int tick = 1; tick <= kTicks; ++tick) {
    if (tick == 10) {
      movePointer(w.frm, {200, 100});
      QTest::mousePress(&w.frm, Qt::LeftButton, {}, {200, 100});
      QTest::keyPress(&w.frm, Qt::Key_Up);
    }
    if (tick == kEscTick) {
      QTest::keyClick(&w.frm, Qt::Key_Escape);
      control<QPushButton>("frm_winlose", "Command1")->click();
    }
    timerFires(w.frm);
  }
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  control<QPushButton>("frm_winlose", "btn_quit")->click();
  EXPECT_EQ(w.exits, std::vector<int>{kQuitStatus});
  return {lines.text(), worldHash(w.game)};
}

const Recorded& recorded() {
  static const Recorded game = recordWindowGame();
  return game;
}

Replay replayOf(const std::string& text) {
  std::istringstream in(text);
  return readReplay(in, "window.replay");
}

struct Watch {
  explicit Watch(const std::string& text) : watch(replayOf(text), told, [this](int status) { ends.push_back(status); }) {}

  void periods(int count) {
    for (int i = 0; i < count && !watch.playback().stopped(); ++i) timerFires(frm, "pace");
  }

  std::ostringstream told;
  std::vector<int> ends;
  ReplayWatch watch;
  BattlefieldWindow& frm = watch.window();
};

}  // namespace

TEST(ReplayWatchTest, AWindowGameWatchedEndsOnItsWorldWhateverThePlayerDoesMeanwhile) {
  Watch w(recorded().text);
  w.periods(kEscTick);
  ASSERT_TRUE(w.frm.frm_winlose().Visible()) << "the recorded click on Back is held while the dialog is seen";
  movePointer(w.frm, {600, 500});
  QTest::mousePress(&w.frm, Qt::RightButton, {}, {600, 500});
  QTest::keyPress(&w.frm, Qt::Key_Down);
  QTest::keyClick(&w.frm, Qt::Key_Return);
  QTest::mouseClick(control<QPushButton>("frm_winlose", "Command2"), Qt::LeftButton);  // Next level
  w.periods(kMostPeriods);
  EXPECT_EQ(w.told.str(), "The replay is over.\n");
  EXPECT_EQ(worldHash(w.frm.game()), recorded().finalHash);
}

TEST(ReplayWatchTest, SpacePausesRightStepsAndTheTitleTellsTheTick) {
  Watch w(recorded().text);
  w.periods(3);
  QTest::keyClick(&w.frm, Qt::Key_Space);
  w.periods(5);
  EXPECT_EQ(w.frm.windowTitle(), "Brassmoor replay: Paused, tick 3");
  QTest::keyClick(&w.frm, Qt::Key_Right);
  EXPECT_EQ(w.frm.windowTitle(), "Brassmoor replay: Paused, tick 4");
  QTest::keyClick(&w.frm, Qt::Key_Space);
  QTest::keyClick(&w.frm, Qt::Key_4);
  w.periods(1);
  EXPECT_EQ(w.frm.windowTitle(), "Brassmoor replay: Playing at 4x, tick 8");
}

TEST(ReplayWatchTest, StopsWithItsSentenceAndEscEndsWithTheStatusOfHowItStopped) {
  const std::string& text = recorded().text;
  std::string edited = text;
  const std::size_t check = edited.find(" check ") + 7;
  edited[check] = edited[check] == '0' ? '1' : '0';
  const struct {
    std::string text;
    const char* sentence;
    int status;
    const char* title;
  } cases[] = {
      {text, "The replay is over.", 0, "Brassmoor replay: Stopped, tick 120"},
      {edited, "This replay parts from the game at tick 40", 1, "Brassmoor replay: Stopped, tick 40"},
      {text.substr(0, text.find("\n80 check") + 1), "The replay ends early", 2, "Brassmoor replay: Stopped, tick 40"},
  };
  for (const auto& c : cases) {
    Watch w(c.text);
    w.periods(kMostPeriods);
    EXPECT_TRUE(w.told.str().starts_with(c.sentence)) << w.told.str();
    EXPECT_EQ(w.frm.windowTitle().toStdString(), c.title);
    const QWidget* sentence = topLevel("sentence");
    ASSERT_NE(sentence, nullptr);
    EXPECT_TRUE(sentence->isVisible());
    EXPECT_TRUE(w.ends.empty()) << "the window stays until the player ends the watch";
    QTest::keyClick(&w.frm, Qt::Key_Escape);
    EXPECT_EQ(w.ends, std::vector<int>{c.status}) << c.sentence;
  }
}

TEST(ReplayWatchTest, AFileThatCannotBeReadIsRefusedInOneLineNamingIt) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const struct {
    std::filesystem::path path;
    std::string message;
  } cases[] = {
      {folder, "cannot read the replay '" + folder.string() + "': Is a directory"},
      {folder / "no such.replay", "cannot read the replay '" + (folder / "no such.replay").string() +
                                       "': No such file or directory"},
  };
  for (const auto& c : cases) {
    try {
      readReplayFile(c.path);
      ADD_FAILURE() << c.path << " was read";
    } catch (const ReplayError& error) {
      EXPECT_EQ(error.what(), c.message);
    }
  }
}
