// Input scripts: the events they hold, the lines they refuse, and events that
// reach the game before the tick they name.
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "input_script.h"
#include "sim_main.h"
#include "trace_reading.h"
#include "usage_error.h"

namespace {

std::vector<InputEvent> read(const std::string& text) {
  std::istringstream in(text);
  return readInputScript(in, "script.txt");
}

using Kind = InputEvent::Kind;

}  // namespace

TEST(InputScriptTest, EachLineIsOneEventAndCommentsAndBlankLinesAreSkipped) {
  const auto events = read(
      "# aim, fire, drive\n"
      "1 move 360.25 -4.5\n"
      "\n"
      "1 down 1 360 200\n"
      "  7   up 2 10 20  \n"
      "7 keydown 38\n"
      "9 keyup 38\n"
      "12 key 13\n"
      "40 next\n");
  ASSERT_EQ(events.size(), 7U);
  EXPECT_EQ(events[0].tick, 1);
  EXPECT_EQ(events[0].kind, Kind::Move);
  EXPECT_EQ(events[0].x, 360.25F);
  EXPECT_EQ(events[0].y, -4.5F);
  EXPECT_EQ(events[1].kind, Kind::Down);
  EXPECT_EQ(events[1].code, 1);
  EXPECT_EQ(events[2].tick, 7);
  EXPECT_EQ(events[2].kind, Kind::Up);
  EXPECT_EQ(events[2].code, 2);
  EXPECT_EQ(events[2].y, 20.0F);
  EXPECT_EQ(events[3].kind, Kind::KeyDown);
  EXPECT_EQ(events[3].code, 38);
  EXPECT_EQ(events[4].kind, Kind::KeyUp);
  EXPECT_EQ(events[5].kind, Kind::Key);
  EXPECT_EQ(events[5].code, 13);
  EXPECT_EQ(events[6].tick, 40);
  EXPECT_EQ(events[6].kind, Kind::Next);
}

TEST(InputScriptTest, ABadLineIsRefusedWithItsLineNumber) {
  const char* const bad[] = {
      "0 move 1 2",        "-1 next",          "x move 1 2",       "5",
      "5 jump",            "5 move 1",         "5 move 1 2 3",     "5 move a 2",
      "5 move nan 2",      "5 move 1 1e40",    "5 down 1.5 2 3",   "5 down 1 2",
      "5 up 70000 2 3",    "5 keydown",        "5 keydown 112",    "5 keyup 38 39",
      "5 key 27",          "5 key 80",         "5 key 112",        "5 next now",
  };
  for (const char* line : bad) {
    try {
      read("1 move 10 10\n# fine so far\n" + std::string(line) + "\n9 next\n");
      ADD_FAILURE() << "accepted: " << line;
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("script.txt line 3: ", 0), 0U) << error.what();
    }
  }
}

TEST(InputScriptTest, EventsMustComeInTickOrder) {
  EXPECT_EQ(read("3 next\n3 key 13\n4 next\n").size(), 3U);
  EXPECT_THROW(read("3 next\n2 key 13\n"), UsageError);
}

TEST(InputScriptTest, ABadScriptRunsNothingAndWritesNoTrace) {
  QTemporaryDir dir;
  const std::string script = dir.filePath("script.txt").toStdString();
  const std::string trace = dir.filePath("trace.jsonl").toStdString();
  std::ofstream(script) << "1 move 5 5\n2 key 27\n";
  std::ostringstream out, err;
  EXPECT_EQ(simMain({"--ticks", "5", "--input", script, "--trace", trace}, out, err), 2);
  EXPECT_EQ(err.str(), "brassmoor-sim: " + script +
                           " line 2: key takes only 13 (Enter): the simulator has no dialogs and no pause\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_FALSE(QDir(dir.path()).exists("trace.jsonl"));
}

TEST(InputScriptTest, EventsReachTheGameBeforeTheTickTheyNameInTheirOrder) {
  const TracedRun run = runTraced(seededRun(4, 6),
                                  "2 move 100.5 300.5\n"  // ties go to the even neighbour
                                  "2 keydown 38\n"
                                  "3 down 1 100 300\n"
                                  "3 keydown 37\n"
                                  "5 up 3 0 0\n"
                                  "5 keyup 38\n");
  ASSERT_EQ(run.rows.size(), 6U);
  const auto events = [&](int tick) { return run.rows[tick - 1]["events"].toArray(); };
  EXPECT_TRUE(events(1).isEmpty());
  ASSERT_EQ(events(2).size(), 2);
  EXPECT_EQ(events(2)[0].toArray(), (QJsonArray{"move", 100.5, 300.5}));
  EXPECT_EQ(events(2)[1].toArray(), (QJsonArray{"keydown", 38}));
  EXPECT_EQ(events(3)[0].toArray(), (QJsonArray{"down", 1, 100, 300}));

  const auto row = [&](int tick) { return run.rows[tick - 1]; };
  EXPECT_EQ(row(1)["mouse"].toArray(), (QJsonArray{0, 0}));
  EXPECT_EQ(row(2)["mouse"].toArray(), (QJsonArray{100, 300}));
  EXPECT_EQ(row(2)["keys"].toArray(), (QJsonArray{-1, 0, 0, 0}));  // up, down, left, right
  EXPECT_EQ(row(3)["keys"].toArray(), (QJsonArray{-1, 0, -1, 0}));
  EXPECT_EQ(intOf(row(3)["fireHeld"]), -1);
  EXPECT_EQ(intOf(row(4)["fireHeld"]), -1);
  EXPECT_EQ(intOf(row(5)["fireHeld"]), 0) << "any button's release stops the fire";
  EXPECT_EQ(row(5)["keys"].toArray(), (QJsonArray{0, 0, -1, 0}));
}

TEST(InputScriptTest, NextAsksForANewLevelLikeTheButton) {
  // Tick 1 starts level 1; the request before tick 4 puts every tank out of
  // play in tick 4, and the level starts by tick 5 with a loss.
  const TracedRun run = runTraced(seededRun(8, 6), "4 next\n");
  EXPECT_EQ(run.rows[2]["tag"].toString(), "0");
  EXPECT_EQ(intOf(run.rows[2]["losses"]), 1);
  for (const QJsonValue& tank : run.rows[3]["tanks"].toArray()) EXPECT_EQ(intOf(tank.toArray()[4]), 0);
  EXPECT_EQ(run.rows[3]["tag"].toString(), "0") << "the tick took the request";
  EXPECT_EQ(intOf(run.rows[4]["losses"]), 2);
  ASSERT_EQ(run.summary.levels.size(), 2U);
  EXPECT_TRUE(run.summary.levels[0].ended);
  EXPECT_FALSE(run.summary.levels[0].won);
  EXPECT_EQ(run.summary.losses(), 1);
}
