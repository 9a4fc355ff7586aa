#include "windows/picture_blit.h"

#include "windows/windows_error.h"

namespace {

// A top-down 32-bit DIB in the canvas's own layout: blue, green, red, then
// the unused alpha, the layout a screen of Windows (and Wine's X11 driver)
// takes with no conversion.
BITMAPINFO describe(const ScaledPicture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

void blit(HDC dc, const ScaledPicture& picture, const RECT& box) {
  const BITMAPINFO info = describe(picture);
  // Every scan line is handed over. The source box's y is counted up from the
  // picture's last line, as for a bottom-up DIB, even though this one is top-down.
  const int lines = SetDIBitsToDevice(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, box.left,
                                      picture.height() - box.bottom, 0, picture.height(), picture.pixels(), &info,
                                      DIB_RGB_COLORS);
  mustSucceed(lines, "put the battlefield on the screen");
}
