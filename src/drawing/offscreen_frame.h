// A battlefield with no window: an offscreen canvas, the Tag, a timer switch
// that only records its state and dialogs that only record what the game did
// to them. Tests, the simulator and the browser's page hand it to the game.
#pragma once

#include <string>

#include "drawing/canvas_frame.h"

struct DialogRecord : ResultDialog {
  bool Visible() const override { return visible; }
  void setVisible(bool shown) override { visible = shown; }
  void setLabel3(const std::string& caption) override { label3 = caption; }
  void setLabel4(const std::string& caption) override { label4 = caption; }
  bool visible = false;
  std::string label3 = "Label3", label4 = "Label4";
};

class OffscreenFrame : public CanvasFrame {
 public:
  bool timerEnabled() const override { return timer; }
  void setTimerEnabled(bool enabled) override { timer = enabled; }
  ResultDialog& frm_winlose() override { return result; }
  HelpDialog& frm_help() override { return help; }

  bool timer = true;
  DialogRecord result, help;
};
