#include "drawing/canvas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/colours.h"

namespace {

// The one mapping from a coordinate to a pixel index.
double pixelOf(Single v) { return std::floor(static_cast<double>(v) + 0.5); }

// A colour r + 256*g + 65536*b has its bytes in the order red, green, blue on
// a little-endian machine (x86, WebAssembly), the browser's order; the
// desktop's screens take blue first. The top byte is alpha.
static_assert(std::endian::native == std::endian::little);
constexpr Canvas::Pixel kOpaque = 0xff000000;
constexpr Canvas::Pixel kColourBits = 0x00ffffff;
#ifdef __EMSCRIPTEN__
constexpr bool kBlueFirst = false;
#else
constexpr bool kBlueFirst = true;
#endif

// Its own inverse: it turns a colour into a pixel's bytes and back.
constexpr Canvas::Pixel inScreenOrder(Canvas::Pixel rgb) {
  if (!kBlueFirst) return rgb;
  return (rgb & 0x00ff00) | (rgb >> 16 & 0xff) | (rgb & 0xff) << 16;
}

Canvas::Pixel stored(Colour colour) { return inScreenOrder(static_cast<Canvas::Pixel>(colour)) | kOpaque; }

// Pixel coordinates beyond this are far off the battlefield; segments reaching
// them are cut to a box just around it before they are stepped.
constexpr double kFar = 1 << 15;
constexpr double kMargin = 2;

// Cuts the segment to the box [lo, hi] on both axes (Liang-Barsky); false when
// nothing of it lies inside. A cut end is put on its edge exactly and its other
// coordinate taken from the slope, which stays precise for far-off end points.
bool clip(double& x1, double& y1, double& x2, double& y2, double lo, double hix, double hiy) {
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo, hix - x1, y1 - lo, hiy - y1};
  const double edge[4] = {lo, hix, lo, hiy};
  double t0 = 0, t1 = 1;
  int e0 = -1, e1 = -1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
    } else if (const double t = q[i] / p[i]; p[i] < 0) {
      if (t > t0) {
        t0 = t;
        e0 = i;
      }
    } else if (t < t1) {
      t1 = t;
      e1 = i;
    }
  }
  if (t0 > t1) return false;
  const auto onEdge = [&](int e, double& x, double& y) {
    if (e < 2) {
      y = y1 + (edge[e] - x1) * (dy / dx);
      x = edge[e];
    } else {
      x = x1 + (edge[e] - y1) * (dx / dy);
      y = edge[e];
    }
  };
  if (e1 >= 0) onEdge(e1, x2, y2);  // before the start moves: both read it
  if (e0 >= 0) onEdge(e0, x1, y1);
  return true;
}

// Steps from (x, y) towards (ex, ey), handing put each pixel but the last;
// all of them lie in the box of the two ends.
template <typename Put>
void walk(long long x, long long y, long long ex, long long ey, Put put) {
  const long long dx = std::llabs(ex - x), dy = -std::llabs(ey - y);
  const long long sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
  long long err = dx + dy;
  while (x != ex || y != ey) {
    put(x, y);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

// The midpoint circle of radius r about (cx, cy), handing put each pixel;
// every one lies in the box r about the centre.
template <typename Put>
void ring(long long cx, long long cy, long long r, Put put) {
  long long px = 0, py = r, d = 1 - py;
  while (px <= py) {
    for (const auto& [ox, oy] : {std::pair{px, py}, std::pair{py, px}}) {
      put(cx + ox, cy + oy);
      put(cx - ox, cy + oy);
      put(cx + ox, cy - oy);
      put(cx - ox, cy - oy);
    }
    ++px;
    if (d < 0) {
      d += 2 * px + 1;
    } else {
      --py;
      d += 2 * (px - py) + 1;
    }
  }
}

}  // namespace

Canvas::Canvas() : pixels_(static_cast<std::size_t>(kWidth) * kHeight, stored(kWhite)), damage_(kWidth, kHeight) {}

void Canvas::plot(long long x, long long y, Pixel pixel) {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;  // the window clips
  pixels_[static_cast<std::size_t>(y * kWidth + x)] = pixel;
}

// Nearly every figure lies wholly on the battlefield, and then its pixels need
// no clipping one by one.
template <typename Figure>
void Canvas::paintWithin(long long left, long long top, long long right, long long bottom, Pixel pixel, Figure figure) {
  damage_.mark(left, top, right, bottom);
  if (left >= 0 && top >= 0 && right < kWidth && bottom < kHeight) {
    figure([&](long long x, long long y) { pixels_[static_cast<std::size_t>(y * kWidth + x)] = pixel; });
  } else {
    figure([&](long long x, long long y) { plot(x, y, pixel); });
  }
}

// Bresenham from the start pixel up to, not including, the end pixel.
void Canvas::segment(double x1, double y1, double x2, double y2, Pixel pixel) {
  if (std::max({std::abs(x1), std::abs(y1), std::abs(x2), std::abs(y2)}) > kFar) {
    const bool inside = clip(x1, y1, x2, y2, -kMargin, kWidth + kMargin, kHeight + kMargin);
    if (!inside) return;
    x1 = std::floor(x1);
    y1 = std::floor(y1);
    x2 = std::floor(x2);
    y2 = std::floor(y2);
  }
  const auto x = static_cast<long long>(x1), y = static_cast<long long>(y1);
  const auto ex = static_cast<long long>(x2), ey = static_cast<long long>(y2);
  paintWithin(std::min(x, ex), std::min(y, ey), std::max(x, ex), std::max(y, ey), pixel,
              [&](auto put) { walk(x, y, ex, ey, put); });
}

void Canvas::Line(Single x1, Single y1, Single x2, Single y2, Colour colour) {
  segment(pixelOf(x1), pixelOf(y1), pixelOf(x2), pixelOf(y2), stored(colour));
  penX_ = x2;
  penY_ = y2;
}

void Canvas::LineTo(Single x2, Single y2, Colour colour) { Line(penX_, penY_, x2, y2, colour); }

// Midpoint circle about the centre pixel, with the radius rounded the same way.
void Canvas::Circle(Single x, Single y, Single radius, Colour colour) {
  const double cx = pixelOf(x), cy = pixelOf(y), r = pixelOf(radius);
  if (cx + r < 0 || cy + r < 0 || cx - r >= kWidth || cy - r >= kHeight || r < 0) return;
  const auto icx = static_cast<long long>(cx), icy = static_cast<long long>(cy), ir = static_cast<long long>(r);
  const Pixel pixel = stored(colour);
  paintWithin(icx - ir, icy - ir, icx + ir, icy + ir, pixel, [&](auto put) { ring(icx, icy, ir, put); });
}

Colour Canvas::Point(Single x, Single y) const {
  const double px = pixelOf(x), py = pixelOf(y);
  if (!(px >= 0 && py >= 0 && px < kWidth && py < kHeight)) return -1;
  return static_cast<Colour>(inScreenOrder(pixels_[static_cast<std::size_t>(py * kWidth + px)] & kColourBits));
}

void Canvas::Cls() {
  std::fill(pixels_.begin(), pixels_.end(), stored(kWhite));
  damage_.markAll();
  penX_ = 0;
  penY_ = 0;
}
