#include "png_file.h"

#include <QImage>
#include <QString>
#include <stdexcept>

#include "core/quote.h"

void savePng(const Canvas& canvas, const std::string& path) {
  const QImage image(reinterpret_cast<const uchar*>(canvas.pixels()), Canvas::kWidth, Canvas::kHeight,
                     Canvas::kWidth * static_cast<int>(sizeof(Canvas::Pixel)), QImage::Format_RGBX8888);
  if (!image.save(QString::fromStdString(path), "PNG")) throw std::runtime_error("cannot write " + quote(path));
}
