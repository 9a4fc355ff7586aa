// Where the battlefield changed since the front-end last looked. Each primitive
// marks the box of the pixels it may paint in a grid of 16 x 16 tiles; taking
// the damage gives the marked tiles as a few rectangles and starts afresh. A
// front-end then puts just those rectangles on the screen, not the whole field.
#pragma once

#include <vector>

struct PixelRect {
  int left, top, width, height;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class Damage {
 public:
  static constexpr int kTile = 16;  // pixels on a side

  Damage(int width, int height);

  // The box from (left, top) to (right, bottom), both corners included; the
  // part outside the battlefield is ignored.
  void mark(long long left, long long top, long long right, long long bottom);
  void markAll();

  // The marked tiles, cut to the battlefield: each row's runs of tiles, a run
  // joined to the one above it when they span the same columns. Valid until
  // the next take, which reuses the room: steady play allocates nothing.
  const std::vector<PixelRect>& take();

 private:
  int width_, height_, columns_, rows_;
  std::vector<unsigned char> marked_;  // row by row, 1 where marked: bytes, cheaper to walk than bits
  std::vector<unsigned char> rowMarked_;  // 1 for a row with a tile marked: most rows of a tick have none
  bool all_ = false;
  std::vector<PixelRect> rects_;
};
