// What the page's script may call: the game's handlers with the game's own
// codes, and the reads it needs to show the game. Each handler runs like the
// desktop runs it: the first run-time error ends it and is reported (on the
// browser's console), and the game goes on.
#include <emscripten/emscripten.h>

#include <string>
#include <utility>
#include <vector>

#include "core/error_report.h"
#include "core/game.h"
#include "core/random.h"
#include "core/seeded_random.h"
#include "drawing/offscreen_frame.h"
#include "ui/dialog_buttons.h"
#include "ui/game_options.h"
#include "ui/score_captions.h"

namespace {

// The page's battlefield: the game on a frame with no window at all. The page
// calls in with the player's input and the timer's ticks, then reads back
// what it shows: the pixels painted and where, the timer switch, the dialogs
// shown and their numbers, and whether the game has ended.
struct WebBattlefield {
  OffscreenFrame frm;
  RandomSource random;
  Game game{frm, random};
  // Quit ends the game for good: a page can neither end its process nor close
  // its own tab, so from then on every call is refused and the page shows the
  // final score instead.
  bool ended = false;
  // The last damage taken, as left, top, width, height, one rectangle after another.
  std::vector<int> damage;
};

WebBattlefield& battlefield() {
  static WebBattlefield field;
  return field;
}

// Runs a handler of the game unless the game has ended.
template <class Handler>
void handle(const char* name, Handler&& handler) {
  if (battlefield().ended) return;
  runHandler(name, std::forward<Handler>(handler));
}

Game& game() { return battlefield().game; }
Frame& frm() { return battlefield().frm; }

}  // namespace

extern "C" {

// The page's ?seed=N, before the first tick: the game that brassmoor-sim
// --seed N plays. The page writes the text, of the given length in bytes,
// where bm_seed_text points, then bm_seed returns why the game cannot start
// from it, or an empty text.
std::string& seedText() {
  static std::string text;
  return text;
}
EMSCRIPTEN_KEEPALIVE char* bm_seed_text(int bytes) {
  seedText().assign(static_cast<std::size_t>(bytes) + 1, '\0');  // and the terminating zero
  return seedText().data();
}
EMSCRIPTEN_KEEPALIVE const char* bm_seed() {
  static std::string refusal;
  seedText().pop_back();
  try {
    battlefield().random = randomSourceFor(readSeed("?seed=", seedText()));
    refusal.clear();
  } catch (const OptionError& error) {
    refusal = error.what();
  }
  return refusal.c_str();
}

EMSCRIPTEN_KEEPALIVE void bm_tick() {
  if (frm().timerEnabled()) handle("tmr_Timer", [] { game().tmr_Timer(); });
}

EMSCRIPTEN_KEEPALIVE void bm_mouse_down(int button, float x, float y) {
  handle("Form_MouseDown", [&] { game().Form_MouseDown(button, x, y); });
}
EMSCRIPTEN_KEEPALIVE void bm_mouse_move(int buttons, float x, float y) {
  handle("Form_MouseMove", [&] { game().Form_MouseMove(buttons, x, y); });
}
EMSCRIPTEN_KEEPALIVE void bm_mouse_up(int button, float x, float y) {
  handle("Form_MouseUp", [&] { game().Form_MouseUp(button, x, y); });
}
EMSCRIPTEN_KEEPALIVE void bm_key_press(int keyAscii) {
  handle("Form_KeyPress", [&] { game().Form_KeyPress(keyAscii); });
}
EMSCRIPTEN_KEEPALIVE void bm_key_down(int keyCode) {
  handle("Form_KeyDown", [&] { game().Form_KeyDown(keyCode); });
}
EMSCRIPTEN_KEEPALIVE void bm_key_up(int keyCode) {
  handle("Form_KeyUp", [&] { game().Form_KeyUp(keyCode); });
}

EMSCRIPTEN_KEEPALIVE void bm_result_back() { handle("Command1_Click", [] { frm_winlose::Command1_Click(frm()); }); }
EMSCRIPTEN_KEEPALIVE void bm_result_next_level() {
  handle("Command2_Click", [] { frm_winlose::Command2_Click(frm()); });
}
EMSCRIPTEN_KEEPALIVE void bm_help_close() { handle("Command1_Click", [] { frm_help::Command1_Click(frm()); }); }

// The title bar's close control hides a dialog and runs none of its handlers:
// the timer stays as it is.
EMSCRIPTEN_KEEPALIVE void bm_result_closed() { battlefield().frm.result.setVisible(false); }
EMSCRIPTEN_KEEPALIVE void bm_help_closed() { battlefield().frm.help.setVisible(false); }

// The end screen shows the numbers as they stand at Quit: the game may have
// run on behind the result dialog since it opened.
EMSCRIPTEN_KEEPALIVE void bm_quit() {
  if (battlefield().ended) return;
  battlefield().ended = true;
  setScoreCaptions(game(), battlefield().frm.result);
  frm().setTimerEnabled(false);
  errorReport().flushRepeats();
}

EMSCRIPTEN_KEEPALIVE int bm_ended() { return battlefield().ended; }
EMSCRIPTEN_KEEPALIVE int bm_timer_enabled() { return frm().timerEnabled(); }
EMSCRIPTEN_KEEPALIVE int bm_result_visible() { return battlefield().frm.result.visible; }
EMSCRIPTEN_KEEPALIVE int bm_help_visible() { return battlefield().frm.help.visible; }
EMSCRIPTEN_KEEPALIVE const char* bm_result_wins() { return battlefield().frm.result.label3.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* bm_result_losses() { return battlefield().frm.result.label4.c_str(); }

EMSCRIPTEN_KEEPALIVE const void* bm_pixels() { return battlefield().frm.picture.pixels(); }
// Takes the damage since the last call; returns how many rectangles it holds.
EMSCRIPTEN_KEEPALIVE int bm_take_damage() {
  std::vector<int>& damage = battlefield().damage;
  damage.clear();
  for (const PixelRect& r : battlefield().frm.picture.takeDamage()) damage.insert(damage.end(), {r.left, r.top, r.width, r.height});
  return static_cast<int>(damage.size() / 4);
}
EMSCRIPTEN_KEEPALIVE const int* bm_damage() { return battlefield().damage.data(); }

}  // extern "C"

// For the page's tests alone: they put the world where play seldom takes it,
// so that a test can watch the game handle it.
extern "C" {

EMSCRIPTEN_KEEPALIVE void bm_test_set_enemy_count(int enemyCount) {
  handle("test hook", [&] { game().enemyCount = enemyCount; });
}
EMSCRIPTEN_KEEPALIVE void bm_test_set_target(int slot, int target) {
  handle("test hook", [&] { game().tankTarget[slot] = target; });
}
// The next-level request alone, with no dialog's button: a level ends at the next tick.
EMSCRIPTEN_KEEPALIVE void bm_test_ask_next_level() { frm().setTag("1"); }
// What the mouse handlers set: fireHeld, mouseX, mouseY.
EMSCRIPTEN_KEEPALIVE const int* bm_test_mouse() {
  static int mouse[3];
  mouse[0] = game().fireHeld.value();
  mouse[1] = game().mouseX.value();
  mouse[2] = game().mouseY.value();
  return mouse;
}

}  // extern "C"
