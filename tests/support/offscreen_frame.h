// A battlefield with no window: an offscreen canvas, the Tag and a timer switch
// that only records its state. Tests hand it to the game.
#pragma once

#include <string>

#include "core/colours.h"
#include "core/frame.h"
#include "core/game.h"
#include "core/random.h"
#include "drawing/canvas.h"

// A dialog that only records what the game did to it.
struct DialogRecord : ResultDialog {
  bool Visible() const override { return visible; }
  void setVisible(bool shown) override { visible = shown; }
  void setLabel3(const std::string& caption) override { label3 = caption; }
  void setLabel4(const std::string& caption) override { label4 = caption; }
  bool visible = false;
  std::string label3 = "Label3", label4 = "Label4";
};

class OffscreenFrame : public Frame {
 public:
  Surface& canvas() override { return picture; }
  Single ScaleWidth() const override { return Canvas::kWidth; }
  Single ScaleHeight() const override { return Canvas::kHeight; }
  std::string Tag() const override { return tag; }
  void setTag(const std::string& text) override { tag = text; }
  bool timerEnabled() const override { return timer; }
  void setTimerEnabled(bool enabled) override { timer = enabled; }
  ResultDialog& frm_winlose() override { return result; }
  HelpDialog& frm_help() override { return help; }

  Canvas picture;
  std::string tag = "0";
  bool timer = true;
  DialogRecord result, help;
};

// A game on an offscreen battlefield with a seeded random source.
struct OffscreenGame {
  // Each reseed takes the next value of a counting clock.
  explicit OffscreenGame(std::uint64_t seed = 1) : random(seed, [n = seed]() mutable { return ++n; }) {}

  OffscreenFrame frame;
  RandomSource random;
  Game game{frame, random};
};
