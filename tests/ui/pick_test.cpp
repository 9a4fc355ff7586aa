// The right-button pick compares in single precision, strictly.
#include <gtest/gtest.h>

#include <vector>

#include "support/offscreen_game.h"

namespace {

constexpr int kPicked = 9;
constexpr int kUntouched = 4;

// With the player destroyed, one live tank in slot 9 and every target at 4.
bool picks(Single pointerX, Double tankX) {
  OffscreenGame g;
  Game& game = g.game;
  for (int s = 0; s <= MAX_TANK; ++s) game.tankTarget[s] = kUntouched;
  game.tankState[kPicked] = 1;
  game.tankX[kPicked] = tankX;
  game.tankY[kPicked] = 300;
  game.Form_MouseUp(2, pointerX, 300.0F);
  return game.tankTarget[0] == kPicked;
}

}  // namespace

TEST(PickTest, TheBoxAndTheTankAreBothTakenToSinglePrecision) {
  struct Case {
    const char* name;
    Single pointerX;
    Double tankX;
    bool picked;
  } const cases[] = {
      // 319.99999999 is below 320 as a double, but is 320 as a Single: on the edge.
      {"just inside in double, on the edge in single", 300.0F, 319.99999999, false},
      {"a Single step inside the edge", 300.0F, 319.99997, true},
      // 0.1f + 20 = 20.1000000015 exactly, which is 20.1f as a Single, and so is 20.1.
      {"the bound rounded to Single meets the tank", 0.1F, 20.1, false},
      {"the Single below the bound", 0.1F, 20.099998, true},
      {"the left edge", 300.0F, 280.0, false},
      {"just inside the left edge", 300.0F, 280.00003, true},
  };
  for (const Case& c : cases) EXPECT_EQ(picks(c.pointerX, c.tankX), c.picked) << c.name;
}

TEST(PickTest, OnlyWithThePlayerOutOfPlayAndTheHighestLiveSlotInsideWins) {
  struct Tank {
    int slot, state;
    double x = 305, y = 295;
  };
  struct Case {
    const char* name;
    int playerState;
    std::vector<Tank> tanks;
    int picked;  // kUntouched: none
  } const cases[] = {
      {"the player in play", 2, {{3, 1}}, kUntouched},
      {"one live tank", 0, {{3, 1}}, 3},
      {"two live tanks", 0, {{4, 1}, {9, 2}}, 9},
      {"a wreck above a live tank is passed over", 0, {{4, 1}, {12, 0}}, 4},
      {"exactly 20 pixels above", 0, {{3, 1, 300, 280}}, kUntouched},
      {"exactly 20 pixels below", 0, {{3, 1, 300, 320}}, kUntouched},
  };
  for (const Case& c : cases) {
    OffscreenGame g;
    Game& game = g.game;
    for (int s = 0; s <= MAX_TANK; ++s) game.tankTarget[s] = kUntouched;
    game.tankState[0] = c.playerState;
    for (const Tank& t : c.tanks) putTank(game, t.slot, {t.x, t.y}, kUntouched, t.state);
    game.Form_MouseUp(2, 300.0F, 300.0F);
    for (int s = 0; s <= MAX_TANK; ++s) EXPECT_EQ(game.tankTarget[s], c.picked) << c.name << ", slot " << s;
  }
}
