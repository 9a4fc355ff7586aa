// The battlefield's pixels as a QImage, for painting them and saving them.
#pragma once

#include <QImage>

#include "drawing/canvas.h"

// A read-only view, valid while the canvas lives; no pixel is copied. Its
// opaque pixels have the same bytes as either format Qt's X11 backing store
// holds, so painting it is a copy.
inline QImage canvasImage(const Canvas& canvas) {
  return QImage(reinterpret_cast<const uchar*>(canvas.pixels()), Canvas::kWidth, Canvas::kHeight,
                Canvas::kWidth * static_cast<int>(sizeof(Canvas::Pixel)), QImage::Format_RGB32);
}
