// Boxes of the battlefield put straight onto its X11 window, past Qt's
// backing store. A flush through the store costs a few times what the boxes'
// pixels do: an update request, the repaint, a server-side pixmap and a copy
// from it. Put straight from memory the server shares, a tick costs one small
// request a box, and the pixels never pass through the socket.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <span>

#include "drawing/damage.h"

struct xcb_connection_t;
class QWidget;

class X11BoxPut {
 public:
  // None unless the window is on an X11 server that shares memory with the
  // game (a server on the same machine, with MIT-SHM) and whose pixels, for
  // the window's depth, take the image's bytes as they are (32 bits, lowest
  // byte first).
  static std::unique_ptr<X11BoxPut> forWindow(const QWidget& window, const QImage& image);
  ~X11BoxPut();
  X11BoxPut(const X11BoxPut&) = delete;
  X11BoxPut& operator=(const X11BoxPut&) = delete;

  // The boxes' rows copied into the shared image, at their places, and one
  // request a box to show them; sent together.
  void put(const QImage& image, std::span<const PixelRect> boxes);

 private:
  X11BoxPut(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth, std::uint32_t segment,
            QImage shared);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint32_t gc_;
  std::uint8_t depth_;
  std::uint32_t segment_;
  // The image's twin in the shared memory. The server may read a box after
  // the next tick has changed it; it then shows newer pixels, which that
  // tick puts again, so what the window ends with is always the image.
  QImage shared_;
};
