// The battlefield window frm: borderless, 723 x 651, white, centred on the
// screen. It owns the canvas, the random source, the game and the timer tmr
// whose event is the tick. It only shows the canvas; it never draws the
// battlefield itself. Its mouse and key events, its dialogs' buttons, the
// tick and the end reach the game through its seam, where they can be
// recorded; each handler is ended by its first run-time error.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "core/game.h"
#include "core/process_exit.h"
#include "core/random.h"
#include "drawing/canvas_frame.h"
#include "replay/game_seam.h"
#include "ui/on_first_use.h"
#include "desktop/help_dialog.h"
#include "desktop/key_release_hold_back.h"
#include "desktop/result_dialog.h"
#include "desktop/x11_box_put.h"

class BattlefieldWindow : public QWidget, public CanvasFrame {
  Q_OBJECT

 public:
  // Quit in the result dialog ends the process through exitProcess; random is
  // the game's random source, seeded or not.
  explicit BattlefieldWindow(ProcessExit exitProcess = endProcessAtOnce, RandomSource random = RandomSource(),
                             QWidget* parent = nullptr);

  bool timerEnabled() const override { return tmr.isActive(); }
  void setTimerEnabled(bool enabled) override;
  ResultDialog& frm_winlose() override;
  HelpDialog& frm_help() override;

  Game& game() { return game_; }
  GameSeam& seam() { return seam_; }

  // One tick, as the timer's event runs it, and what it drew shown.
  void tmr_Timer();
  // Puts on the screen what the game drew since the last call.
  void repaintDamage();
  // For a replay watched in the window: tmr becomes only the switch that the
  // game sets, and every tick's length runs period instead, then shows what
  // the game drew.
  void tickBy(std::function<void()> period);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // The window system closing the battlefield ends the game, dialogs and all.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage* storeTakingRows(QPaintDevice* device) const;

  const QImage shown_;  // the canvas's pixels as they are, for painting
  RandomSource random_;
  Game game_{*this, random_};
  GameSeam seam_{game_};
  ProcessExit exitProcess_;
  // They are the battlefield's child windows too; deleting one takes it off
  // the battlefield's children, so none is deleted twice.
  OnFirstUse<ResultDialogWindow> resultDialog_;
  OnFirstUse<HelpDialogWindow> helpDialog_;
  QTimer tmr{this};
  QTimer pace_{this};
  KeyReleaseHoldBack heldReleases_;
  std::unique_ptr<X11BoxPut> x11Put_;  // once shown on an X11 server that shares memory and takes the canvas's bytes
};
