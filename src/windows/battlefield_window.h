// The battlefield window frm on Windows: a borderless popup whose client area
// is the 723 x 651 battlefield scaled with the monitor's DPI, centred on the
// work area, titled "Brassmoor" for the taskbar. It owns the canvas, the
// random source, the game and the timer tmr whose event is the tick. It only
// shows the canvas, putting on the screen just the boxes the game drew, as
// soon as it drew them; it never draws the battlefield itself. Its mouse and
// key messages and its dialogs' clicks reach the game through the game's seam,
// each ended by its first run-time error. While a replay is watched, they go
// to its watcher or nowhere.
#pragma once

#include "windows/win32.h"

#include <chrono>
#include <memory>
#include <string>

#include "core/game.h"
#include "core/process_exit.h"
#include "core/random.h"
#include "replay/game_seam.h"
#include "drawing/canvas_frame.h"
#include "ui/on_first_use.h"
#include "windows/help_dialog.h"
#include "windows/result_dialog.h"
#include "windows/scaled_picture.h"
#include "windows/tick_timer.h"

class BattlefieldWindow final : public CanvasFrame {
 public:
  // What watches a replay in the window: it takes every period of the
  // window's timer and every key the player presses, by virtual-key code.
  class Watcher {
   public:
    virtual ~Watcher() = default;
    virtual void period() = 0;
    virtual void keyPressed(Integer virtualKey) = 0;
  };

  // Quit in the result dialog ends the process through exitProcess; random is
  // the game's random source, seeded or not.
  explicit BattlefieldWindow(ProcessExit exitProcess = endProcessAtOnce, RandomSource random = RandomSource());
  ~BattlefieldWindow() override;
  BattlefieldWindow(const BattlefieldWindow&) = delete;
  BattlefieldWindow& operator=(const BattlefieldWindow&) = delete;

  bool timerEnabled() const override;
  void setTimerEnabled(bool enabled) override;
  ResultDialog& frm_winlose() override;
  HelpDialog& frm_help() override;

  HWND hwnd() const { return hwnd_; }
  Game& game() { return game_; }
  GameSeam& seam() { return seam_; }
  const ScaledPicture& screenPicture() const { return screen_; }

  // Shown and active, as the game starts.
  void show();

  // From now on the window's timer runs all the while, each period is the
  // watcher's, and the game's tmr is only the switch the game sets.
  void watch(Watcher& watcher);
  // One tick as the timer runs it; what it drew is shown after the period.
  void runTick();
  // Only what the game drew since the last call goes to the screen.
  void showDamage();

  // For the event loop: signalled when a tick is due. timerDue() takes it and
  // runs it, if the timer is still on, and puts what it drew on the screen.
  HANDLE tickSignal() const { return tmr.signal(); }
  void timerDue();
  // Tab, Enter and Space in a shown dialog.
  bool isDialogMessage(MSG& message);
  // While a replay is watched, the player's keys and clicks, on the
  // battlefield and on its dialogs alike: true when the message is one, and
  // was handed to the watcher or dropped.
  bool heldFromGame(const MSG& message);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void mouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool key(UINT message, WPARAM wParam);
  DialogClicks playerClicks(DialogClicks clicks);
  void fitTo(int dpi, const RECT* suggested);
  void paint();

  ScaledPicture screen_{picture()};
  RandomSource random_;
  Game game_{*this, random_};
  GameSeam seam_{game_};
  ProcessExit exitProcess_;
  TickTimer tmr{kTickInterval};
  Watcher* watcher_ = nullptr;
  bool gameTimer_ = false;  // the game's tmr while a replay is watched
  HWND hwnd_ = nullptr;
  OnFirstUse<ResultDialogWindow> resultDialog_;
  OnFirstUse<HelpDialogWindow> helpDialog_;
};
