// The simulator's battlefield window: no window at all. The canvas is the
// game's own, behind the recording layer; the dialogs are inert records, since
// no event the simulator takes opens one.
#pragma once

#include <string>

#include "core/frame.h"
#include "drawing/canvas.h"
#include "recording_surface.h"

class SimFrame final : public Frame {
 public:
  Surface& canvas() override { return surface; }
  Single ScaleWidth() const override { return Canvas::kWidth; }
  Single ScaleHeight() const override { return Canvas::kHeight; }
  std::string Tag() const override { return tag_; }
  void setTag(const std::string& tag) override { tag_ = tag; }
  bool timerEnabled() const override { return timer_; }
  void setTimerEnabled(bool enabled) override { timer_ = enabled; }
  ResultDialog& frm_winlose() override { return result_; }
  HelpDialog& frm_help() override { return help_; }

  Canvas picture;
  RecordingSurface surface{picture};

 private:
  struct InertDialog final : ResultDialog {
    bool Visible() const override { return visible; }
    void setVisible(bool shown) override { visible = shown; }
    void setLabel3(const std::string&) override {}
    void setLabel4(const std::string&) override {}
    bool visible = false;
  };

  std::string tag_ = "0";
  bool timer_ = true;
  InertDialog result_, help_;
};
