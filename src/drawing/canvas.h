// The battlefield's picture: a pixel buffer with the drawing primitives and the
// pixel read. One rule maps a Single coordinate to a pixel, floor(v + 0.5), for
// drawing and reading alike, so a figure drawn again in white is gone exactly.
// A segment paints its start pixel and every pixel up to, not including, its
// end pixel; a continued segment paints the corner where the last one ended.
#pragma once

#include <cstdint>
#include <vector>

#include "core/surface.h"
#include "drawing/damage.h"

class Canvas final : public Surface {
 public:
  static constexpr int kWidth = 723;   // pixels of the client area
  static constexpr int kHeight = 651;

  Canvas();

  void Line(Single x1, Single y1, Single x2, Single y2, Colour colour) override;
  void LineTo(Single x2, Single y2, Colour colour) override;
  void Circle(Single x, Single y, Single radius, Colour colour) override;
  Colour Point(Single x, Single y) const override;
  void Cls() override;

  // One pixel is four bytes in memory, in the order the screen takes with no
  // conversion: on the desktop blue, green, red and an opaque alpha, as Qt's
  // QImage::Format_RGB32 and a Windows DIB hold them; in the browser red,
  // green, blue and alpha, as ImageData holds them.
  using Pixel = std::uint32_t;
  // The pixels row by row, valid while the canvas lives.
  const Pixel* pixels() const { return pixels_.data(); }
  // What the primitives painted since the last call, valid until the next;
  // the record starts afresh.
  const std::vector<PixelRect>& takeDamage() { return damage_.take(); }

 private:
  void plot(long long x, long long y, Pixel pixel);
  // Marks the box from (left, top) to (right, bottom), corners included, and
  // hands figure a put(x, y) that paints a pixel of it.
  template <typename Figure>
  void paintWithin(long long left, long long top, long long right, long long bottom, Pixel pixel, Figure figure);
  void segment(double x1, double y1, double x2, double y2, Pixel pixel);

  std::vector<Pixel> pixels_;
  Damage damage_;
  Single penX_ = 0;
  Single penY_ = 0;
};
