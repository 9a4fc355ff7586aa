#include "desktop/x11_box_put.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>

#include "desktop/box_copy.h"

namespace {

constexpr std::uint8_t kBitsPerPixel = 32;

// Whether the server keeps pixels of this depth in 32 bits, lowest byte first.
bool takesImageBytes(const xcb_setup_t* setup, std::uint8_t depth) {
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
    if (f.data->depth == depth) return f.data->bits_per_pixel == kBitsPerPixel;
  }
  return false;
}

std::uint8_t depthOf(xcb_connection_t* connection, xcb_window_t window) {
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
  if (!geometry) return 0;
  const std::uint8_t depth = geometry->depth;
  std::free(geometry);
  return depth;
}

// Memory the server has attached as the segment, or null. Marked for removal
// at once, so it goes when the game and the server have both let go of it,
// however the game ends. A server on another machine cannot attach it: only
// the game's user may.
void* attachedMemory(xcb_connection_t* connection, std::uint32_t segment, std::size_t bytes) {
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id == -1) return nullptr;
  void* memory = shmat(id, nullptr, 0);
  xcb_generic_error_t* error = nullptr;
  if (memory != reinterpret_cast<void*>(-1)) {
    error = xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, static_cast<std::uint32_t>(id), 0));
  }
  shmctl(id, IPC_RMID, nullptr);
  if (memory == reinterpret_cast<void*>(-1)) return nullptr;
  if (error) {
    std::free(error);
    shmdt(memory);
    return nullptr;
  }
  return memory;
}

}  // namespace

std::unique_ptr<X11BoxPut> X11BoxPut::forWindow(const QWidget& window, const QImage& image) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return nullptr;
  const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
  if (!shm || !shm->present) return nullptr;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const std::uint8_t depth = depthOf(connection, id);
  if (!takesImageBytes(xcb_get_setup(connection), depth)) return nullptr;
  const std::uint32_t segment = xcb_generate_id(connection);
  void* memory = attachedMemory(connection, segment, static_cast<std::size_t>(image.sizeInBytes()));
  if (!memory) return nullptr;
  QImage shared(static_cast<uchar*>(memory), image.width(), image.height(), image.bytesPerLine(), image.format());
  return std::unique_ptr<X11BoxPut>(new X11BoxPut(connection, id, depth, segment, std::move(shared)));
}

X11BoxPut::X11BoxPut(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth, std::uint32_t segment,
                     QImage shared)
    : connection_(connection),
      window_(window),
      gc_(xcb_generate_id(connection)),
      depth_(depth),
      segment_(segment),
      shared_(std::move(shared)) {
  xcb_create_gc(connection_, gc_, window_, 0, nullptr);
}

X11BoxPut::~X11BoxPut() {
  xcb_shm_detach(connection_, segment_);
  xcb_free_gc(connection_, gc_);
  xcb_flush(connection_);
  void* const memory = shared_.bits();
  shared_ = QImage();
  shmdt(memory);
}

void X11BoxPut::put(const QImage& image, std::span<const PixelRect> boxes) {
  for (const PixelRect& box : boxes) {
    copyBox(shared_, image, {box.left, box.top, box.width, box.height});
    const auto left = static_cast<std::int16_t>(box.left), top = static_cast<std::int16_t>(box.top);
    xcb_shm_put_image(connection_, window_, gc_, static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()), static_cast<std::uint16_t>(left),
                      static_cast<std::uint16_t>(top), static_cast<std::uint16_t>(box.width),
                      static_cast<std::uint16_t>(box.height), left, top, depth_, XCB_IMAGE_FORMAT_Z_PIXMAP,
                      0, segment_, 0);
  }
  xcb_flush(connection_);
}
