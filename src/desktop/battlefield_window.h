// The battlefield window frm: borderless, 723 x 651, white, centred on the
// screen. It owns the canvas, the random source, the game and the timer tmr
// whose event is the tick. It only shows the canvas; it never draws the
// battlefield itself. Its mouse and key events go to the game's Form_*
// handlers, each ended by its first run-time error.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "core/frame.h"
#include "core/game.h"
#include "core/random.h"
#include "drawing/canvas.h"
#include "desktop/help_dialog.h"
#include "desktop/key_release_hold_back.h"
#include "desktop/result_dialog.h"

class BattlefieldWindow : public QWidget, public Frame {
  Q_OBJECT

 public:
  static constexpr int kTickMilliseconds = 25;

  // Quit in the result dialog ends the process through exitProcess.
  explicit BattlefieldWindow(ProcessExit exitProcess = endProcessAtOnce, QWidget* parent = nullptr);

  Surface& canvas() override { return canvas_; }
  Single ScaleWidth() const override { return Canvas::kWidth; }
  Single ScaleHeight() const override { return Canvas::kHeight; }
  std::string Tag() const override { return tag_; }
  void setTag(const std::string& tag) override { tag_ = tag; }
  bool timerEnabled() const override { return tmr.isActive(); }
  void setTimerEnabled(bool enabled) override;
  ResultDialog& frm_winlose() override;
  HelpDialog& frm_help() override;

  Game& game() { return game_; }
  const Canvas& picture() const { return canvas_; }

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

 private:
  void tmr_Timer();
  void repaintDamage();

  Canvas canvas_;
  const QImage shown_;  // the canvas's pixels as they are, for painting
  RandomSource random_;
  Game game_{*this, random_};
  std::string tag_ = "0";
  ProcessExit exitProcess_;
  // Created on first reference. They are the battlefield's child windows too;
  // deleting one takes it off the battlefield's children, so none is deleted twice.
  std::unique_ptr<ResultDialogWindow> resultDialog_;
  std::unique_ptr<HelpDialogWindow> helpDialog_;
  QTimer tmr{this};
  KeyReleaseHoldBack heldReleases_;
};
