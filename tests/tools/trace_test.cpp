// The trace: the same seed gives the same run, and numbers read back exactly.
// (Its layout, 51 tanks and all, is pinned byte for byte by the golden traces.)
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <sstream>

#include "core/json_text.h"
#include "simulation.h"
#include "trace_reading.h"

TEST(TraceTest, TheSameSeedAndScriptGiveTheSameTraceByteForByte) {
  const char* const kScript =
      "1 move 300 200\n"
      "5 down 1 300 200\n"
      "9 keydown 38\n"
      "30 keydown 37\n"
      "60 up 1 410.75 90.25\n"
      "61 move 410.75 90.25\n"
      "80 keyup 37\n"
      "120 key 13\n";
  const Options options = seededRun(2024, 300, 20);
  const TracedRun first = runTraced(options, kScript);
  const TracedRun again = runTraced(options, kScript);
  EXPECT_EQ(first.text, again.text);
  EXPECT_NE(first.text, runTraced(seededRun(2025, 300, 20), kScript).text);
}

TEST(TraceTest, NumbersReadBackExactlyAsInTheWorldAndStringsStayWhole) {
  std::ostringstream trace;
  Simulation sim(seededRun(99, 250, 50), {}, &trace);
  sim.run();
  const std::string text = trace.str();
  const QByteArray last = QByteArray::fromStdString(text.substr(text.rfind('\n', text.size() - 2) + 1));
  const QJsonObject row = QJsonDocument::fromJson(last).object();

  const Game& g = sim.game();
  const QJsonArray tanks = row["tanks"].toArray();
  for (int s = 0; s <= MAX_TANK; ++s) {
    const QJsonArray t = tanks[s].toArray();
    EXPECT_EQ(doubleOf(t[0]), g.tankX[s]) << s;
    EXPECT_EQ(doubleOf(t[1]), g.tankY[s]) << s;
    EXPECT_EQ(singleOf(t[2]), g.hullHeading[s]) << s;
    EXPECT_EQ(singleOf(t[3]), g.turretHeading[s]) << s;
    EXPECT_EQ(intOf(t[4]), g.tankState[s].value()) << s;
    EXPECT_EQ(singleOf(t[5]), g.tankSpeed[s]) << s;
    EXPECT_EQ(intOf(t[6]), g.tankTarget[s].value()) << s;
    EXPECT_EQ(doubleOf(t[7]), g.shellX[s]) << s;
    EXPECT_EQ(doubleOf(t[8]), g.shellY[s]) << s;
    EXPECT_EQ(singleOf(t[9]), g.shellHeading[s]) << s;
    EXPECT_EQ(intOf(t[10]), g.shellState[s].value()) << s;
  }
  EXPECT_EQ(singleOf(row["lastSpeed"]), g.lastSpeed);
  EXPECT_EQ(intOf(row["aliveCount"]), g.aliveCount.value());

  // The digits: 17 significant ones name a double, 9 a float, and nothing is cut short.
  for (const double d : {0.1, 1.0 / 3.0, 723.0 * 0.99999994, 5e-324, 1.7976931348623157e308}) {
    std::string s;
    appendDouble(s, d);
    EXPECT_EQ(std::strtod(s.c_str(), nullptr), d) << s;
  }
  for (const float f : {0.1F, 1.0F / 3.0F, 6.28318548F, 1e-45F, 3.40282347e38F}) {
    std::string s;
    appendSingle(s, f);
    EXPECT_EQ(std::strtof(s.c_str(), nullptr), f) << s;
  }
  // A string stays one JSON string whatever it holds.
  std::string quoted;
  appendString(quoted, "a\"b\\c\n\x1f");
  EXPECT_EQ(quoted, R"("a\"b\\c\u000a\u001f")");
}
