#include "drawing/damage.h"

#include <algorithm>

Damage::Damage(int width, int height)
    : width_(width),
      height_(height),
      columns_((width + kTile - 1) / kTile),
      rows_((height + kTile - 1) / kTile),
      marked_(static_cast<std::size_t>(columns_) * rows_),
      rowMarked_(static_cast<std::size_t>(rows_)) {}

void Damage::mark(long long left, long long top, long long right, long long bottom) {
  left = std::max(left, 0LL);
  top = std::max(top, 0LL);
  right = std::min<long long>(right, width_ - 1);
  bottom = std::min<long long>(bottom, height_ - 1);
  if (left > right || top > bottom) return;
  for (long long row = top / kTile; row <= bottom / kTile; ++row) {
    rowMarked_[static_cast<std::size_t>(row)] = 1;
    for (long long column = left / kTile; column <= right / kTile; ++column) {
      marked_[static_cast<std::size_t>(row * columns_ + column)] = 1;
    }
  }
}

void Damage::markAll() { all_ = true; }

const std::vector<PixelRect>& Damage::take() {
  rects_.clear();
  if (all_) {
    rects_.push_back({0, 0, width_, height_});
  } else {
    const auto at = [&](int column, int row) { return marked_[static_cast<std::size_t>(row * columns_ + column)] != 0; };
    for (int row = 0; row < rows_; ++row) {
      if (!rowMarked_[static_cast<std::size_t>(row)]) continue;
      const int top = row * kTile, bottom = std::min(top + kTile, height_);
      for (int column = 0; column < columns_;) {
        if (!at(column, row)) {
          ++column;
          continue;
        }
        const int first = column;
        while (column < columns_ && at(column, row)) ++column;
        const PixelRect run{first * kTile, top, std::min(column * kTile, width_) - first * kTile, bottom - top};
        const auto above = std::find_if(rects_.begin(), rects_.end(), [&](const PixelRect& r) {
          return r.left == run.left && r.width == run.width && r.top + r.height == top;
        });
        if (above != rects_.end()) {
          above->height += run.height;
        } else {
          rects_.push_back(run);
        }
      }
    }
  }
  for (int row = 0; row < rows_; ++row) {
    if (!rowMarked_[static_cast<std::size_t>(row)]) continue;
    rowMarked_[static_cast<std::size_t>(row)] = 0;
    std::fill_n(marked_.begin() + static_cast<std::ptrdiff_t>(row) * columns_, columns_, 0);
  }
  all_ = false;
  return rects_;
}
