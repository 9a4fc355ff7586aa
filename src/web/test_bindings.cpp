// For the page's tests alone, linked into the test page's game and never into
// the release's: calls that put the world where play seldom takes it, so that
// a test can watch the game handle it. Like the player's calls, each is
// refused once the game has ended or while a replay is watched.
#include <emscripten/emscripten.h>

#include "core/errors.h"
#include "web_battlefield.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void bm_test_set_enemy_count(int enemyCount) {
  if (!refused()) runHandler("test hook", [&] { battlefield().game.enemyCount = enemyCount; });
}
EMSCRIPTEN_KEEPALIVE void bm_test_set_target(int slot, int target) {
  if (!refused()) runHandler("test hook", [&] { battlefield().game.tankTarget[slot] = target; });
}
// The next-level request alone, with no dialog's button: a level ends at the next tick.
EMSCRIPTEN_KEEPALIVE void bm_test_ask_next_level() {
  if (!refused()) runHandler("test hook", [&] { battlefield().frm.setTag("1"); });
}
// What the mouse handlers set: fireHeld, mouseX, mouseY.
EMSCRIPTEN_KEEPALIVE const int* bm_test_mouse() {
  static int mouse[3];
  const Game& game = battlefield().game;
  mouse[0] = game.fireHeld.value();
  mouse[1] = game.mouseX.value();
  mouse[2] = game.mouseY.value();
  return mouse;
}

}  // extern "C"
