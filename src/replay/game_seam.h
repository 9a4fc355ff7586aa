// The one place where the outside world reaches the game: the six input
// handlers, the dialogs' buttons, the tick and the end. Every front-end and
// the simulator call the game through it, so that with a sink attached the
// game is recorded by the same code everywhere; with none, each call only
// passes through.
#pragma once

#include "core/game.h"
#include "replay/replay_entry.h"

class GameSeam {
 public:
  // A check of the world is recorded after every this many ticks, and at the end.
  static constexpr long long kCheckEvery = 40;  // ticks

  explicit GameSeam(Game& game) : game_(game) {}

  // Before the first tick: records the initial state, then every call.
  void record(ReplaySink& sink);

  void Form_MouseDown(Integer button, Single x, Single y);
  void Form_MouseMove(Integer button, Single x, Single y);
  void Form_MouseUp(Integer button, Single x, Single y);
  void Form_KeyPress(Integer keyAscii);
  void Form_KeyDown(Integer keyCode);
  void Form_KeyUp(Integer keyCode);

  void clickBack();       // the result dialog's Back
  void clickNextLevel();  // the result dialog's Next level
  void clickClose();      // the help dialog's Close

  // One event as a window runs it: the first run-time error ends its
  // handler and is reported. False when one did.
  bool apply(const InputEvent& event);

  void tmr_Timer();
  // How the game ended; Quit is the result dialog's Quit button.
  void end(ReplayEntry::Ending ending);

  long long ticksRun() const { return ticks_; }
  Game& game() { return game_; }

 private:
  void input(InputEvent::Kind kind, Integer code = 0, Single x = 0, Single y = 0);
  void afterTick();
  void check();

  Game& game_;
  ReplaySink* sink_ = nullptr;
  long long ticks_ = 0;
  long long reseedsRecorded_ = 0;
};
