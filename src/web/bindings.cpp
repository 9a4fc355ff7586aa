// What the page's script may call: the game's handlers with the game's own
// codes, the dialogs' buttons by their tabled names, and the reads it needs
// to show the game. Each handler runs like the desktop runs it: the first
// run-time error ends it and is reported (on the browser's console), and the
// game goes on. Every call reaches the game through its seam, which records
// the game as text for the page to keep; or the page watches a replay
// instead, and the player's calls are refused.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "core/error_report.h"
#include "core/seeded_random.h"
#include "replay/dialog_clicks.h"
#include "replay/replay_file.h"
#include "ui/dialog_layout.h"
#include "ui/game_options.h"
#include "ui/score_captions.h"
#include "web_battlefield.h"

WebBattlefield& battlefield() {
  static WebBattlefield field;
  return field;
}

namespace {

Game& game() { return battlefield().game; }
Frame& frm() { return battlefield().frm; }
GameSeam& seam() { return battlefield().seam; }

// The page's ?seed=N as the page writes it.
std::string& seedText() {
  static std::string text;
  return text;
}

}  // namespace

extern "C" {

// The page's ?seed=N, before the first tick: the game that brassmoor-sim
// --seed N plays. The page writes the text, of the given length in bytes,
// where bm_seed_text points, then bm_seed returns why the game cannot start
// from it, or an empty text.
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

// Before the first tick, once seeded: every game played is recorded.
EMSCRIPTEN_KEEPALIVE void bm_record() {
  WebBattlefield& field = battlefield();
  if (field.writer || field.playback) return;
  field.started = std::time(nullptr);
  field.writer.emplace(field.recording, replayDate(field.started));
  field.seam.record(*field.writer);
}

EMSCRIPTEN_KEEPALIVE void bm_tick() {
  if (frm().timerEnabled() && !refused()) seam().tmr_Timer();
}

EMSCRIPTEN_KEEPALIVE void bm_mouse_down(int button, float x, float y) {
  if (!refused()) seam().Form_MouseDown(button, x, y);
}
EMSCRIPTEN_KEEPALIVE void bm_mouse_move(int buttons, float x, float y) {
  if (!refused()) seam().Form_MouseMove(buttons, x, y);
}
EMSCRIPTEN_KEEPALIVE void bm_mouse_up(int button, float x, float y) {
  if (!refused()) seam().Form_MouseUp(button, x, y);
}
EMSCRIPTEN_KEEPALIVE void bm_key_press(int keyAscii) {
  if (!refused()) seam().Form_KeyPress(keyAscii);
}
EMSCRIPTEN_KEEPALIVE void bm_key_down(int keyCode) {
  if (!refused()) seam().Form_KeyDown(keyCode);
}
EMSCRIPTEN_KEEPALIVE void bm_key_up(int keyCode) {
  if (!refused()) seam().Form_KeyUp(keyCode);
}
EMSCRIPTEN_KEEPALIVE void bm_release_arrows() {
  if (!refused()) seam().releaseArrows();
}

EMSCRIPTEN_KEEPALIVE int bm_ended() { return battlefield().ended; }
EMSCRIPTEN_KEEPALIVE int bm_timer_enabled() { return frm().timerEnabled(); }
EMSCRIPTEN_KEEPALIVE int bm_result_visible() { return battlefield().frm.result.visible; }
EMSCRIPTEN_KEEPALIVE int bm_help_visible() { return battlefield().frm.help.visible; }
EMSCRIPTEN_KEEPALIVE const char* bm_result_wins() { return battlefield().frm.result.label3.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* bm_result_losses() { return battlefield().frm.result.label4.c_str(); }

EMSCRIPTEN_KEEPALIVE const void* bm_pixels() { return battlefield().frm.picture().pixels(); }
// Takes the damage since the last call; returns how many rectangles it holds.
// bm_damage then points at them, left, top, width, height one after another,
// in the canvas's own room, until the next take.
EMSCRIPTEN_KEEPALIVE int bm_take_damage() {
  battlefield().damage = &battlefield().frm.picture().takeDamage();
  return static_cast<int>(battlefield().damage->size());
}
static_assert(sizeof(PixelRect) == 4 * sizeof(int), "a rectangle is read as four numbers");
EMSCRIPTEN_KEEPALIVE const PixelRect* bm_damage() {
  return battlefield().damage != nullptr ? battlefield().damage->data() : nullptr;
}

}  // extern "C"

namespace {

// Quit ends the game for good. The end screen shows the numbers as they stand
// then: the game may have run on behind the result dialog since it opened.
void endGame() {
  battlefield().ended = true;
  setScoreCaptions(game(), battlefield().frm.result);
  frm().setTimerEnabled(false);
  errorReport().flushRepeats();
}

// What each button does, under its dialog's tabled name and its own.
const std::map<std::string_view, DialogClicks>& pageClicks() {
  static const std::map<std::string_view, DialogClicks> clicks{
      {dialog_layout::kResult.name, resultClicks(seam(), endGame)},
      {dialog_layout::kHelp.name, helpClicks(seam())},
  };
  return clicks;
}

// The player's click on the button of that tabled name in the dialog of that
// tabled name. Returns why there is no such button, or an empty text.
std::string click(const std::string& dialog, const std::string& button) {
  const auto buttons = pageClicks().find(dialog);
  if (buttons == pageClicks().end()) return "the game has no dialog " + dialog;
  const auto clicked = buttons->second.find(button);
  if (clicked == buttons->second.end()) return "the dialog " + dialog + " has no button " + button;
  if (!refused()) clicked->second();
  return "";
}

// The replay played so far, the end line last once the game has ended.
std::string recording() { return battlefield().recording.str(); }
// What a saved replay is named: its game's date and time.
std::string replayFileName() { return replayStem(battlefield().started) + kReplayExtension; }

// Before the first tick, in place of recording: the page watches the replay
// of that text, named by source in what cannot be read of it. Returns that
// one sentence, or an empty text.
std::string watch(const std::string& text, const std::string& source) {
  WebBattlefield& field = battlefield();
  if (field.writer || field.playback || field.seam.ticksRun() != 0) return "a game has started already";
  try {
    std::istringstream in(text);
    field.player.emplace(readReplay(in, source));
  } catch (const ReplayError& error) {  // it names the line
    return error.what();
  }
  field.random = RandomSource(field.player->replay().seed, field.player->clock());
  field.game.enemyCount = field.player->replay().enemies;
  field.playback.emplace(
      *field.player, field.seam, [] { seam().tmr_Timer(); },
      [](const std::string& sentence) { battlefield().stopSentence = sentence; }, [] {});
  return "";
}

// The page's timer, every tick's length while a replay is watched.
void playbackPeriod() { battlefield().playback->period(); }
void playbackControl(PlaybackControl control) { battlefield().playback->control(control); }
bool playbackPaused() { return battlefield().playback->paused(); }
std::string playbackStatus() { return battlefield().playback->status(); }
bool playbackStopped() { return battlefield().playback->stopped(); }
// Why the playback stopped by itself: over, ended early or parted from the game.
std::string playbackSentence() { return battlefield().stopSentence; }

}  // namespace

EMSCRIPTEN_BINDINGS(brassmoor_dialogs) { emscripten::function("click", &click); }

EMSCRIPTEN_BINDINGS(brassmoor_replays) {
  emscripten::function("recording", &recording);
  emscripten::function("replayFileName", &replayFileName);
  emscripten::function("watch", &watch);
  emscripten::enum_<PlaybackControl>("PlaybackControl")
      .value("Pause", PlaybackControl::Pause)
      .value("Step", PlaybackControl::Step)
      .value("Normal", PlaybackControl::Normal)
      .value("Fast", PlaybackControl::Fast)
      .value("Fastest", PlaybackControl::Fastest)
      .value("End", PlaybackControl::End);
  emscripten::function("playbackPeriod", &playbackPeriod);
  emscripten::function("playbackControl", &playbackControl);
  emscripten::function("playbackPaused", &playbackPaused);
  emscripten::function("playbackStatus", &playbackStatus);
  emscripten::function("playbackStopped", &playbackStopped);
  emscripten::function("playbackSentence", &playbackSentence);
}
