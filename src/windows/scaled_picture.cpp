#include "windows/scaled_picture.h"

#include <algorithm>
#include <cstddef>

namespace {

// Floor division, for pointer positions left of or above the window too.
int floorDiv(long long a, long long b) { return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b)); }

}  // namespace

ScaledPicture::ScaledPicture(const Canvas& canvas, int dpi) : canvas_(canvas) { setDpi(dpi); }

void ScaledPicture::setDpi(int dpi) {
  dpi_ = dpi;
  width_ = dpi_scaling::scaled(Canvas::kWidth, dpi);
  height_ = dpi_scaling::scaled(Canvas::kHeight, dpi);
  column_.clear();
  scaled_.clear();
  if (dpi == dpi_scaling::kBase) return;
  for (int x = 0; x < width_; ++x) column_.push_back(fieldPixel(x));
  scaled_.resize(static_cast<std::size_t>(width_) * height_);
  copy({0, 0, width_, height_});
}

// A device pixel shows the battlefield pixel its top-left corner lies in.
// Sizes round half up, so the last device pixel still lies inside the field.
int ScaledPicture::fieldPixel(int devicePixel) const { return floorDiv(1LL * devicePixel * dpi_scaling::kBase, dpi_); }

// The first device pixel whose corner lies in or after the battlefield pixel.
int ScaledPicture::firstDevicePixel(int fieldPixel) const {
  return static_cast<int>((1LL * fieldPixel * dpi_ + dpi_scaling::kBase - 1) / dpi_scaling::kBase);
}

const std::vector<PixelRect>& ScaledPicture::refresh(const std::vector<PixelRect>& damage) {
  if (scaled_.empty()) return damage;
  device_.clear();
  for (const PixelRect& r : damage) {
    const int left = firstDevicePixel(r.left), top = firstDevicePixel(r.top);
    const int right = std::min(firstDevicePixel(r.left + r.width), width_);
    const int bottom = std::min(firstDevicePixel(r.top + r.height), height_);
    if (right <= left || bottom <= top) continue;
    device_.push_back({left, top, right - left, bottom - top});
    copy(device_.back());
  }
  return device_;
}

void ScaledPicture::copy(const PixelRect& device) {
  const Canvas::Pixel* field = canvas_.pixels();
  for (int y = device.top; y < device.top + device.height; ++y) {
    const Canvas::Pixel* row = field + static_cast<std::ptrdiff_t>(fieldPixel(y)) * Canvas::kWidth;
    Canvas::Pixel* out = scaled_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    for (int x = device.left; x < device.left + device.width; ++x) out[x] = row[column_[x]];
  }
}

const Canvas::Pixel* ScaledPicture::pixels() const { return scaled_.empty() ? canvas_.pixels() : scaled_.data(); }
