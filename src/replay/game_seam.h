// The one place where the outside world reaches the game: the six input
// handlers, the dialogs' buttons, the tick and the end. Every front-end and
// the simulator call the game through it, so that with a sink attached the
// game is recorded by the same code everywhere; with none, each call only
// passes through. Each call is one event handler, under the handler's own
// name: the first run-time error ends it and is reported, and the call tells
// whether it ran to its end.
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

  bool Form_MouseDown(Integer button, Single x, Single y);
  bool Form_MouseMove(Integer button, Single x, Single y);
  bool Form_MouseUp(Integer button, Single x, Single y);
  bool Form_KeyPress(Integer keyAscii);
  bool Form_KeyDown(Integer keyCode);
  bool Form_KeyUp(Integer keyCode);
  // The battlefield has lost the keyboard, and with it the arrows' key-ups:
  // each arrow counts as released, or the player's tank would drive on by itself.
  void releaseArrows();

  bool clickBack();       // the result dialog's Back
  bool clickNextLevel();  // the result dialog's Next level
  bool clickClose();      // the help dialog's Close
  // The title bar's close: the dialog hides, and the timer stays as it is. A
  // replay needs it, for Esc and F1 show a hidden dialog but hide a shown one.
  bool hideResult();
  bool hideHelp();

  // One recorded event, run as a window runs it.
  bool apply(const InputEvent& event);

  bool tmr_Timer();
  // How the game ended; Quit is the result dialog's Quit button.
  void end(ReplayEntry::Ending ending);

  long long ticksRun() const { return ticks_; }
  Game& game() { return game_; }

 private:
  // Records the event before the handler runs, so that a call the game ends
  // with an error is kept too.
  template <class Handler>
  bool run(const char* handler, Handler&& body, InputEvent::Kind kind, Integer code = 0, Single x = 0, Single y = 0);
  void afterTick();
  void check();

  Game& game_;
  ReplaySink* sink_ = nullptr;
  long long ticks_ = 0;
  long long reseedsRecorded_ = 0;
};
