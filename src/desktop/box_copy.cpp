#include "desktop/box_copy.h"

#include <cstddef>
#include <cstring>

void copyBox(QImage& to, const QImage& from, const QRect& box) {
  const auto pitch = static_cast<std::size_t>(from.bytesPerLine());
  const auto pixelBytes = static_cast<std::size_t>(from.depth() / 8);
  const std::size_t rowBytes = static_cast<std::size_t>(box.width()) * pixelBytes;
  std::size_t at = static_cast<std::size_t>(box.top()) * pitch + static_cast<std::size_t>(box.left()) * pixelBytes;
  uchar* const into = to.bits();
  const uchar* const source = from.constBits();
  for (int y = box.top(); y <= box.bottom(); ++y, at += pitch) std::memcpy(into + at, source + at, rowBytes);
}
