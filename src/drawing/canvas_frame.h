// What every battlefield keeps the same way, window or none: a canvas of the
// battlefield's size that the game draws on, and the Tag text. Showing the
// canvas, the timer and the dialogs are each battlefield's own.
#pragma once

#include <string>

#include "core/frame.h"
#include "drawing/canvas.h"

class CanvasFrame : public Frame {
 public:
  Surface& canvas() override { return picture_; }
  Single ScaleWidth() const override { return Canvas::kWidth; }
  Single ScaleHeight() const override { return Canvas::kHeight; }
  std::string Tag() const override { return tag_; }
  void setTag(const std::string& tag) override { tag_ = tag; }

  // The pixels themselves, behind whatever canvas() hands the game.
  Canvas& picture() { return picture_; }
  const Canvas& picture() const { return picture_; }

 private:
  Canvas picture_;
  std::string tag_ = "0";
};
