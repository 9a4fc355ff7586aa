#include "png_file.h"

#include <QString>
#include <stdexcept>

#include "core/quote.h"
#include "desktop/canvas_image.h"

void savePng(const Canvas& canvas, const std::string& path) {
  if (!canvasImage(canvas).save(QString::fromStdString(path), "PNG"))
    throw std::runtime_error("cannot write " + quote(path));
}
