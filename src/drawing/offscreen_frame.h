// A battlefield with no window: an offscreen canvas, the Tag, a timer switch
// that only records its state and dialogs that only record what the game did
// to them. Tests, the simulator and the browser's page hand it to the game.
#pragma once

#include <string>

#include "core/frame.h"
#include "drawing/canvas.h"

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
