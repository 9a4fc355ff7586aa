// A replay played in a window at its pace: to its end and the recorded
// world, with the dialog's clicks held to be seen, under the player's
// controls, and stopped with one sentence when it parts or ends early.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

#include "core/world_hash.h"
#include "replay/game_seam.h"
#include "replay/playback.h"
#include "replay/replay_format.h"
#include "support/offscreen_game.h"
#include "ui/input_codes.h"

namespace {

using Kind = InputEvent::Kind;

constexpr long long kEscTick = 50;
constexpr long long kTicks = 200;
constexpr int kArrowsReleased[] = {input_codes::kUpKey, input_codes::kLeftKey};

// A game of kTicks ticks whose player aims, opens the result dialog with Esc
// before tick 50 and goes back to the battlefield, as a window runs it: by
// Back, or by closing the dialog from its title bar, when Esc shows it
// again and only the next Esc goes back.
struct Recorded {
  std::string text;
  std::uint64_t finalHash = 0;
};

Recorded record(bool byTitleBar = false) {
  OffscreenGame played(9);
  GameSeam seam(played.game);
  std::ostringstream out;
  ReplayWriter writer(out, "2026-12-08T00:00:00Z");
  seam.record(writer);
  while (seam.ticksRun() < kTicks) {
    const long long next = seam.ticksRun() + 1;
    if (next == 10) seam.apply({next, Kind::Move, 0, 200.5F, 100.25F});
    if (next == kEscTick && played.frame.timer) {
      const InputEvent esc{next, Kind::Key, input_codes::kEscAscii, 0, 0};
      seam.apply(esc);
      // A window losing the focus to its dialog lets the arrows up.
      for (const int arrow : kArrowsReleased) seam.apply({next, Kind::KeyUp, arrow, 0, 0});
      if (byTitleBar) {
        for (const InputEvent& e : {InputEvent{next, Kind::HideResult, 0, 0, 0}, esc, esc}) seam.apply(e);
      } else {
        seam.apply({next, Kind::Back, 0, 0, 0});
      }
    }
    seam.tmr_Timer();
  }
  seam.end(ReplayEntry::Ending::Quit);
  return {out.str(), worldHash(played.game)};
}

// The replay played back into a window of its own.
struct Watched {
  explicit Watched(const std::string& text)
      : player([&] {
          std::istringstream in(text);
          return readReplay(in, "r");
        }()),
        random(player.replay().seed, player.clock()) {
    game.enemyCount = player.replay().enemies;
  }

  int periodsToStop(int most) {
    int periods = 0;
    while (!playback.stopped() && periods < most) {
      playback.period();
      ++periods;
    }
    return periods;
  }

  ReplayPlayer player;
  OffscreenFrame frame;
  RandomSource random;
  Game game{frame, random};
  GameSeam seam{game};
  std::string sentence;
  bool ended = false;
  Playback playback{player, seam, [this] { seam.tmr_Timer(); }, [this](const std::string& s) { sentence = s; },
                    [this] { ended = true; }};
};

TEST(PlaybackTest, PlaysAtOneTickAPeriodHoldsTheDialogsClickAndEndsOnTheRecordedWorld) {
  const Recorded recorded = record();
  Watched watched(recorded.text);
  // The ticks, one period for each key-up, which is not held, the periods the
  // click waits while the dialog is up, and the last period, which takes the
  // final check and the end.
  EXPECT_EQ(watched.periodsToStop(1000), kTicks + std::size(kArrowsReleased) + Playback::kHeldPeriods + 1);
  EXPECT_EQ(watched.sentence, "The replay is over.");
  EXPECT_EQ(worldHash(watched.game), recorded.finalHash);
}

TEST(PlaybackTest, ADialogClosedFromItsTitleBarIsPlayedBackClosed) {
  const Recorded recorded = record(true);
  Watched watched(recorded.text);
  watched.periodsToStop(1000);
  EXPECT_EQ(watched.sentence, "The replay is over.");
  EXPECT_EQ(worldHash(watched.game), recorded.finalHash);
}

TEST(PlaybackTest, TheDialogStaysUpWhileItsClickIsHeld) {
  Watched watched(record().text);
  for (long long i = 0; i < kEscTick + Playback::kHeldPeriods / 2; ++i) watched.playback.period();
  EXPECT_TRUE(watched.frame.result.Visible());
  EXPECT_EQ(watched.seam.ticksRun(), kEscTick - 1);
}

TEST(PlaybackTest, PauseHoldsStepRunsOneTickFastRunsFourAndEndTellsTheWindow) {
  Watched watched(record().text);
  watched.playback.control(PlaybackControl::Pause);
  watched.playback.period();
  EXPECT_EQ(watched.seam.ticksRun(), 0);
  watched.playback.control(PlaybackControl::Step);
  EXPECT_EQ(watched.seam.ticksRun(), 1);
  EXPECT_EQ(watched.playback.status(), "Paused, tick 1");
  watched.playback.control(PlaybackControl::Pause);
  watched.playback.control(PlaybackControl::Fast);
  watched.playback.period();
  EXPECT_EQ(watched.seam.ticksRun(), 1 + Playback::kFastTicks);
  watched.playback.control(PlaybackControl::End);
  EXPECT_TRUE(watched.ended);
  EXPECT_TRUE(watched.playback.stopped());
}

TEST(PlaybackTest, StopsWithOneSentenceWhereTheGamePartsOrTheRecordingEnds) {
  const std::string text = record().text;
  std::string edited = text;
  const std::size_t check = edited.find(" check ") + 7;
  edited[check] = edited[check] == '0' ? '1' : '0';
  const std::string cut = text.substr(0, text.find("\n120 check") + 1);
  // Without its Back, the dialog holds the game while its recording runs on.
  std::string unclicked = text;
  const std::size_t back = unclicked.find(" back\n");
  const std::size_t line = unclicked.rfind('\n', back) + 1;
  unclicked.erase(line, back + 6 - line);
  const auto parts = [](int tick) {
    return "This replay parts from the game at tick " + std::to_string(tick) + ": it was recorded by Brassmoor " +
           std::string(kGameVersion) + " on " + kEdition + ".";
  };
  const struct {
    std::string text, sentence;
  } cases[] = {
      {edited, parts(40)},
      {cut, "The replay ends early, after tick 80: its game was killed while it was recorded."},
      {unclicked, parts(49)},
  };
  for (const auto& c : cases) {
    Watched watched(c.text);
    watched.periodsToStop(1000);
    EXPECT_EQ(watched.sentence, c.sentence);
  }
}

}  // namespace
