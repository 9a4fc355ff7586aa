// Input scripts: the lines they hold and refuse, and events that reach the
// game before the tick they name.
#include <gtest/gtest.h>
#include <sstream>

#include "input_script.h"
#include "trace_reading.h"
#include "usage_error.h"

namespace {

std::vector<InputEvent> read(const std::string& text) {
  std::istringstream in(text);
  return readInputScript(in, "script.txt");
}

}  // namespace

TEST(InputScriptTest, EachLineIsOneEventAndCommentsAndBlankLinesAreSkipped) {
  const auto events = read(std::string(
      "# aim, fire, drive\n"
      "1 move 360.25 -4.5\n"
      "\n"
      "1 down 1 360 200\n"  // a tick may take several events
      "  7   up 2 10 20  \n"
      "7 keydown 38\n"
      "9 keyup 38\n"
      "12 key 13\r\n") +  // LF or CR LF
      "# " + std::string(998, '#') + "\n"  // as long as a line may be
      "40 next\n");
  std::string lines;
  for (const InputEvent& event : events) lines += formatEvent(event) + "\n";
  EXPECT_EQ(lines, "1 move 360.25 -4.5\n1 down 1 360 200\n7 up 2 10 20\n7 keydown 38\n9 keyup 38\n12 key 13\n40 next\n");
}

TEST(InputScriptTest, ABadLineIsRefusedWithItsLineNumberAndWhatIsWrong) {
  struct Case {
    std::string line;
    const char* says;  // a part of the message
  } const cases[] = {
      // The event's own grammar is the replay's; here, what the script adds.
      {"5 jump", "unknown event 'jump'"},
      {"5 keydown 112", "F1"},
      {"5 key 27", "only 13"},
      {"2 next", "events must come in tick order"},
      // Line ends and lengths.
      {"5 move 1 2\r6 next", "carriage return inside the line"},
      {"# " + std::string(999, '#'), "longer than 1000 bytes"},
  };
  for (const Case& c : cases) {
    try {
      read("3 move 10 10\n# fine so far\n" + c.line + "\n9 next\n");
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const UsageError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("script.txt line 3: ", 0), 0U) << message;
      EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
  }
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
  // Tick 1 starts level 1; the request before tick 4 ends it, lost, and the
  // next level starts by tick 5 (how the tick takes it is the game's test).
  const TracedRun run = runTraced(seededRun(8, 6), "4 next\n");
  EXPECT_EQ(intOf(run.rows[2]["losses"]), 1) << "not before the tick it names";
  EXPECT_EQ(intOf(run.rows[4]["losses"]), 2);
  ASSERT_EQ(run.summary.levels.size(), 2U);
  EXPECT_TRUE(run.summary.levels[0].ended);
  EXPECT_FALSE(run.summary.levels[0].won);
  EXPECT_EQ(run.summary.losses(), 1);
}
