// The battlefield as the screen shows it at a monitor's DPI: at 96 DPI the
// canvas itself, at a larger scale every battlefield pixel drawn bigger by
// nearest neighbour, so outlines stay sharp. Each device pixel shows the same
// battlefield pixel whichever box is refreshed, so putting only the damage on
// the screen leaves no seams; the pointer maps back through the same rule.
#pragma once

#include <vector>

#include "drawing/canvas.h"
#include "drawing/damage.h"
#include "windows/dpi.h"

class ScaledPicture {
 public:
  explicit ScaledPicture(const Canvas& canvas, int dpi = dpi_scaling::kBase);

  // The whole picture is rebuilt at the new scale.
  void setDpi(int dpi);
  int dpi() const { return dpi_; }

  // Device pixels: the battlefield's size scaled (723 x 651 at 144 DPI is 1085 x 977).
  int width() const { return width_; }
  int height() const { return height_; }

  // Brings the boxes of battlefield pixels up to date and gives the boxes of
  // device pixels that show them, valid until the next refresh and as long as
  // the damage given (which they are at 96 DPI).
  const std::vector<PixelRect>& refresh(const std::vector<PixelRect>& damage);

  // The device pixels row by row, in the canvas's own layout.
  const Canvas::Pixel* pixels() const;

  // The battlefield pixel that a device pixel shows, on either axis; beyond
  // the picture too, where a captured drag goes on aiming.
  int fieldPixel(int devicePixel) const;

 private:
  int firstDevicePixel(int fieldPixel) const;
  void copy(const PixelRect& device);

  const Canvas& canvas_;
  int dpi_ = dpi_scaling::kBase;
  int width_ = Canvas::kWidth, height_ = Canvas::kHeight;
  std::vector<int> column_;             // the battlefield column each device column shows
  std::vector<Canvas::Pixel> scaled_;  // empty at 96 DPI, where the canvas serves as it is
  std::vector<PixelRect> device_;      // the last refresh's boxes, their room kept
};
