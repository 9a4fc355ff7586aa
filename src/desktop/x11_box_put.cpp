#include "desktop/x11_box_put.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kPutImageHeaderBytes = 28;  // with the big-requests length word
constexpr std::uint8_t kBitsPerPixel = 32;

// Whether the server keeps pixels of this depth in 32 bits, lowest byte first.
bool takesImageBytes(const xcb_setup_t* setup, std::uint8_t depth) {
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
    if (f.data->depth == depth) return f.data->bits_per_pixel == kBitsPerPixel;
  }
  return false;
}

}  // namespace

int rowsPerRequest(std::size_t rowBytes, std::size_t maxBytes) {
  return static_cast<int>(std::max<std::size_t>(1, maxBytes / rowBytes));
}

std::unique_ptr<X11BoxPut> X11BoxPut::forWindow(const QWidget& window) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return nullptr;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
  if (!geometry) return nullptr;
  const std::uint8_t depth = geometry->depth;
  std::free(geometry);
  if (!takesImageBytes(xcb_get_setup(connection), depth)) return nullptr;
  return std::unique_ptr<X11BoxPut>(new X11BoxPut(connection, id, depth));
}

X11BoxPut::X11BoxPut(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth)
    : connection_(connection),
      window_(window),
      gc_(xcb_generate_id(connection)),
      depth_(depth),
      maxBytes_(std::size_t{xcb_get_maximum_request_length(connection)} * 4 - kPutImageHeaderBytes) {
  xcb_create_gc(connection_, gc_, window_, 0, nullptr);
}

void X11BoxPut::put(const QImage& image, const QRegion& boxes) {
  for (const QRect& box : boxes) putBox(image, box);
  xcb_flush(connection_);
}

void X11BoxPut::putBox(const QImage& image, const QRect& box) {
  const std::size_t rowBytes = static_cast<std::size_t>(box.width()) * sizeof(std::uint32_t);
  const int band = rowsPerRequest(rowBytes, maxBytes_);
  for (int top = box.top(); top <= box.bottom(); top += band) {
    const int rows = std::min(band, box.bottom() + 1 - top);
    rows_.resize(static_cast<std::size_t>(rows) * box.width());
    auto* to = reinterpret_cast<uchar*>(rows_.data());
    for (int y = 0; y < rows; ++y) {
      std::memcpy(to + y * rowBytes, image.constScanLine(top + y) + box.left() * sizeof(std::uint32_t), rowBytes);
    }
    xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, static_cast<std::uint16_t>(box.width()),
                  static_cast<std::uint16_t>(rows), static_cast<std::int16_t>(box.left()),
                  static_cast<std::int16_t>(top), 0, depth_, static_cast<std::uint32_t>(rows * rowBytes), to);
  }
}
