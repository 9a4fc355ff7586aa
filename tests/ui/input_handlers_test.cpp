// The battlefield's keys and the dialogs' buttons: Esc and F1 toggle their
// dialog and the timer with it, P only the timer, Enter clears the canvas;
// the arrows hold their flags until released or until a dialog opens.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/offscreen_game.h"
#include "ui/dialog_buttons.h"
#include "ui/input_codes.h"

namespace {

using namespace input_codes;

// What the handlers leave behind, in the order the table's cases give it.
struct State {
  bool result, help, timer;
  std::vector<int> arrows;  // left, up, right, down
  std::string tag = "0";
};

State stateOf(OffscreenGame& g) {
  const Game& game = g.game;
  return {g.frame.result.visible, g.frame.help.visible, g.frame.timer,
          {game.keyLeft.value(), game.keyUp.value(), game.keyRight.value(), game.keyDown.value()},
          g.frame.Tag()};
}

bool operator==(const State& a, const State& b) {
  return a.result == b.result && a.help == b.help && a.timer == b.timer && a.arrows == b.arrows && a.tag == b.tag;
}

void holdArrows(Game& game) {
  for (const int key : {kLeftKey, kUpKey, kRightKey, kDownKey}) game.Form_KeyDown(key);
}

const std::vector<int> kAllHeld{kTrue, kTrue, kTrue, kTrue};
const std::vector<int> kNoneHeld{0, 0, 0, 0};

}  // namespace

TEST(InputHandlersTest, KeysAndButtonsToggleTheirDialogTheTimerAndTheArrows) {
  struct Case {
    const char* what;
    std::function<void(OffscreenGame&)> input;
    State after;
  } const cases[] = {
      {"the arrows held", [](OffscreenGame& g) { holdArrows(g.game); }, {false, false, true, kAllHeld}},
      {"Up released alone",
       [](OffscreenGame& g) { holdArrows(g.game); g.game.Form_KeyUp(kUpKey); },
       {false, false, true, {kTrue, 0, kTrue, kTrue}}},
      {"every arrow released",
       [](OffscreenGame& g) {
         holdArrows(g.game);
         for (const int key : {kLeftKey, kUpKey, kRightKey, kDownKey}) g.game.Form_KeyUp(key);
       },
       {false, false, true, kNoneHeld}},
      {"Esc shows the result, stops the timer and lets go of the arrows",
       [](OffscreenGame& g) { holdArrows(g.game); g.game.Form_KeyPress(kEscAscii); }, {true, false, false, kNoneHeld}},
      {"F1 shows the help, likewise",
       [](OffscreenGame& g) { holdArrows(g.game); g.game.Form_KeyDown(kF1Key); }, {false, true, false, kNoneHeld}},
      {"Esc again hides it and runs on",
       [](OffscreenGame& g) { for (int i = 0; i < 2; ++i) g.game.Form_KeyPress(kEscAscii); }, {false, false, true, kNoneHeld}},
      {"F1 again, likewise",
       [](OffscreenGame& g) { for (int i = 0; i < 2; ++i) g.game.Form_KeyDown(kF1Key); }, {false, false, true, kNoneHeld}},
      {"each key looks only at its own dialog",
       [](OffscreenGame& g) { g.game.Form_KeyPress(kEscAscii); g.game.Form_KeyDown(kF1Key); g.game.Form_KeyDown(kF1Key); },
       {true, false, true, kNoneHeld}},
      {"p pauses, and touches no arrow", [](OffscreenGame& g) { holdArrows(g.game); g.game.Form_KeyPress('p'); },
       {false, false, false, kAllHeld}},
      {"P resumes what p paused",
       [](OffscreenGame& g) { g.game.Form_KeyPress('p'); g.game.Form_KeyPress('P'); },
       {false, false, true, kNoneHeld}},
      {"P under the result only runs the timer",
       [](OffscreenGame& g) { g.game.Form_KeyPress(kEscAscii); g.game.Form_KeyPress('P'); },
       {true, false, true, kNoneHeld}},
      {"Back", [](OffscreenGame& g) { g.game.Form_KeyPress(kEscAscii); frm_winlose::Command1_Click(g.frame); },
       {false, false, true, kNoneHeld}},
      {"Next level asks the next tick for a new level",
       [](OffscreenGame& g) { g.game.Form_KeyPress(kEscAscii); frm_winlose::Command2_Click(g.frame); },
       {false, false, true, kNoneHeld, "1"}},
      {"Close", [](OffscreenGame& g) { g.game.Form_KeyDown(kF1Key); frm_help::Command1_Click(g.frame); },
       {false, false, true, kNoneHeld}},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    c.input(g);
    EXPECT_TRUE(stateOf(g) == c.after) << c.what;
  }
}

TEST(InputHandlersTest, EscShowsTheCountsAsTheyAreAtEachOpening) {
  OffscreenGame g;
  for (const auto& [wins, losses, shownLosses] : {std::tuple{0, 0, "-1"}, {3, 5, "4"}, {12, 1, "0"}}) {
    g.game.wins = wins;
    g.game.losses = losses;
    g.game.Form_KeyPress(kEscAscii);
    EXPECT_EQ(g.frame.result.label3, std::to_string(wins));
    EXPECT_EQ(g.frame.result.label4, shownLosses);
    g.game.Form_KeyPress(kEscAscii);
  }
}

TEST(InputHandlersTest, EnterClearsTheCanvasEvenWhilePaused) {
  OffscreenGame g;
  g.frame.picture().Line(10, 10, 60, 10, kTankBlack);
  g.game.Form_KeyPress('p');
  g.game.Form_KeyPress(kEnterAscii);
  for (int x = 10; x <= 60; ++x) EXPECT_EQ(g.frame.picture().Point(x, 10), kWhite) << x;
}

TEST(InputHandlersTest, TheLeftButtonFiresAnyReleaseStopsAndThePointerRounds) {
  OffscreenGame g;
  Game& game = g.game;
  game.Form_MouseDown(kMiddleButton, 0, 0);
  EXPECT_EQ(game.fireHeld, 0) << "only the left button fires";
  game.Form_MouseDown(kLeftButton, 0, 0);
  EXPECT_EQ(game.fireHeld, kTrue);
  game.Form_MouseUp(kRightButton, 0, 0);
  EXPECT_EQ(game.fireHeld, 0) << "the right button's release, with the left still held";

  game.Form_MouseMove(kLeftButton, 2.5F, 722.5F);
  EXPECT_EQ(game.mouseX, 2) << "to even";
  EXPECT_EQ(game.mouseY, 722);
  game.Form_MouseMove(0, -0.5F, 100.51F);
  EXPECT_EQ(game.mouseX, 0);
  EXPECT_EQ(game.mouseY, 101);
}
