#include "windows/picture_blit.h"

#include "windows/windows_error.h"

namespace {

// A top-down 32-bit DIB whose masks read the canvas's bytes as they lie:
// red, green, blue, then the unused alpha.
struct CanvasBitmapInfo {
  BITMAPINFOHEADER header;
  DWORD masks[3];
};

CanvasBitmapInfo describe(const ScaledPicture& picture) {
  CanvasBitmapInfo info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = picture.width();
  info.header.biHeight = -picture.height();  // top-down: row 0 first
  info.header.biPlanes = 1;
  info.header.biBitCount = 32;
  info.header.biCompression = BI_BITFIELDS;
  info.masks[0] = 0x0000FF;  // red
  info.masks[1] = 0x00FF00;  // green
  info.masks[2] = 0xFF0000;  // blue
  return info;
}

}  // namespace

void blit(HDC dc, const ScaledPicture& picture, const RECT& box) {
  const CanvasBitmapInfo info = describe(picture);
  // Every scan line is handed over. The source box's y is counted up from the
  // picture's last line, as for a bottom-up DIB, even though this one is top-down.
  const int lines = SetDIBitsToDevice(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, box.left,
                                      picture.height() - box.bottom, 0, picture.height(), picture.pixels(),
                                      reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
  checked(lines, "put the battlefield on the screen");
}
