// The hold-back of unmarked key releases, and the tick that waits for them.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "ui_support.h"

namespace {

constexpr int kLeft = 37;
constexpr int kUp = 38;

struct Recorder {
  std::vector<std::string> heard;
  KeyReleaseHoldBack holdBack{[this](Integer code) { heard.push_back("up " + std::to_string(code.value())); },
                              [this] { heard.push_back("tick"); }};
};

using Steps = std::function<void(KeyReleaseHoldBack&)>;

}  // namespace

TEST(KeyReleaseHoldBackTest, FalseReleasesAreDroppedRealOnesPassAndATickWaitsForThem) {
  struct Case {
    const char* name;
    Steps steps;
    std::vector<std::string> atOnce;
    std::vector<std::string> settled;
  } const cases[] = {
      {"a tick with nothing held back runs at once", [](auto& h) { h.tickDue(); }, {"tick"}, {"tick"}},
      {"a real release passes after the hold-back", [](auto& h) { h.released(kUp); }, {}, {"up 38"}},
      {"a false pair is dropped", [](auto& h) { h.released(kUp); h.pressed(kUp); }, {}, {}},
      {"a tick due during a false pair runs with the key still down",
       [](auto& h) { h.released(kUp); h.tickDue(); h.pressed(kUp); }, {"tick"}, {"tick"}},
      {"a real release reaches the game before the tick",
       [](auto& h) { h.released(kUp); h.tickDue(); }, {}, {"up 38", "tick"}},
      {"a press of another key drops nothing",
       [](auto& h) { h.released(kUp); h.tickDue(); h.pressed(kLeft); }, {}, {"up 38", "tick"}},
      {"the tick waits for every key held back",
       [](auto& h) { h.released(kLeft); h.released(kUp); h.tickDue(); h.pressed(kLeft); }, {}, {"up 38", "tick"}},
      {"two real releases pass in their order",
       [](auto& h) { h.released(kUp); h.released(kLeft); h.tickDue(); }, {}, {"up 38", "up 37", "tick"}},
      {"settling lets everything through at once",
       [](auto& h) { h.released(kUp); h.released(kLeft); h.tickDue(); h.settleAll(); },
       {"up 38", "up 37", "tick"}, {"up 38", "up 37", "tick"}},
  };
  for (const Case& c : cases) {
    Recorder r;
    c.steps(r.holdBack);
    EXPECT_EQ(r.heard, c.atOnce) << c.name;
    EXPECT_TRUE(QTest::qWaitFor([&] { return r.heard == c.settled; }, kPatience)) << c.name;
    QTest::qWait(kSettled);
    EXPECT_EQ(r.heard, c.settled) << c.name << ": and nothing more";
  }
}
