// Boxes of the battlefield put straight onto its X11 window, past Qt's
// backing store. A flush through the store costs a few times what the boxes'
// pixels do: an update request, the repaint, a server-side pixmap and a copy
// from it. Put straight, a tick costs one request a box.
#pragma once

#include <QImage>
#include <QRegion>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;
class QWidget;

class X11BoxPut {
 public:
  // None unless the window is on an X11 server whose pixels, for the window's
  // depth, take the image's bytes as they are (32 bits, lowest byte first).
  static std::unique_ptr<X11BoxPut> forWindow(const QWidget& window);

  // One request a band of each box's rows, a band as many rows as the server
  // takes at once; sent together.
  void put(const QImage& image, const QRegion& boxes);

 private:
  X11BoxPut(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth);
  void putBox(const QImage& image, const QRect& box);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint32_t gc_;
  std::uint8_t depth_;
  std::size_t maxBytes_;
  std::vector<std::uint32_t> rows_;  // the band's rows side by side, kept for the next
};

// The rows of rowBytes each that one request of at most maxBytes of pixels
// holds; at least one, since no box is narrower than a row of the server's.
int rowsPerRequest(std::size_t rowBytes, std::size_t maxBytes);
