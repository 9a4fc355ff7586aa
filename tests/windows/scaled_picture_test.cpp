// The battlefield on the screen at a monitor's scale: each battlefield pixel
// a sharp block of whole device pixels, the picture kept whole by refreshing
// only the damage, the pointer mapped back to the pixel under it, and the
// canvas's bytes shown on a device context in their true colours, upright.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/colours.h"
#include "support/offscreen_game.h"
#include "windows/picture_blit.h"
#include "windows/scaled_picture.h"

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

std::vector<Canvas::Pixel> copyOf(const ScaledPicture& picture) {
  return {picture.pixels(), picture.pixels() + static_cast<std::size_t>(picture.width()) * picture.height()};
}

}  // namespace

TEST(ScaledPictureTest, EachBattlefieldPixelIsABlockOfWholeDevicePixels) {
  // By hand: 723 x 651 scaled and rounded half up; at a scale of s a pixel
  // takes floor(s) or ceil(s) device pixels on each axis.
  struct Case {
    int dpi, width, height, narrowest, widest;
  } const cases[] = {
      {96, 723, 651, 1, 1}, {120, 904, 814, 1, 2}, {144, 1085, 977, 1, 2}, {192, 1446, 1302, 2, 2}};
  const Canvas canvas;
  for (const Case& c : cases) {
    const ScaledPicture picture(canvas, c.dpi);
    EXPECT_EQ(picture.width(), c.width) << c.dpi;
    EXPECT_EQ(picture.height(), c.height) << c.dpi;
    std::vector<int> across(Canvas::kWidth);
    int last = 0;
    for (int x = 0; x < picture.width(); ++x) {
      const int field = picture.fieldPixel(x);
      ASSERT_TRUE(field == last || field == last + 1) << c.dpi << " DPI, device column " << x;
      ++across[static_cast<std::size_t>(field)];
      last = field;
    }
    for (int field = 0; field < Canvas::kWidth; ++field) {
      EXPECT_GE(across[field], c.narrowest) << c.dpi << " DPI, column " << field;
      EXPECT_LE(across[field], c.widest) << c.dpi << " DPI, column " << field;
    }
  }
}

TEST(ScaledPictureTest, RefreshingOnlyTheDamageKeepsThePictureWhole) {
  for (const int dpi : kDpis) {
    OffscreenGame play(3);
    ScaledPicture screen(play.frame.picture(), dpi);
    for (int tick = 1; tick <= 300; ++tick) {
      play.game.tmr_Timer();
      if (tick == 150) play.frame.picture().Cls();
      screen.refresh(play.frame.picture().takeDamage());
    }
    const ScaledPicture afresh(play.frame.picture(), dpi);
    EXPECT_EQ(copyOf(screen), copyOf(afresh)) << dpi << " DPI";
  }
}

TEST(ScaledPictureTest, ThePointerMapsToTheBattlefieldPixelUnderIt) {
  Canvas canvas;
  canvas.Line(100, 50, 101, 50, kTankBlack);  // the one pixel (100, 50)
  const Canvas::Pixel black = canvas.pixels()[50 * Canvas::kWidth + 100];
  for (const int dpi : kDpis) {
    const ScaledPicture picture(canvas, dpi);
    int shown = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixels()[y * picture.width() + x] != black) continue;
        ++shown;
        EXPECT_EQ(picture.fieldPixel(x), 100) << dpi << " DPI";
        EXPECT_EQ(picture.fieldPixel(y), 50) << dpi << " DPI";
      }
    }
    EXPECT_GT(shown, 0) << dpi << " DPI";
  }
  // A captured drag goes on beyond the window: -1 and -2 device pixels at
  // 144 DPI are -2/3 and -4/3 battlefield pixels, which lie in pixels -1 and -2.
  const ScaledPicture at144(canvas, 144);
  EXPECT_EQ(at144.fieldPixel(-1), -1);
  EXPECT_EQ(at144.fieldPixel(-2), -2);
  EXPECT_EQ(at144.fieldPixel(1085), 723);
}

TEST(PictureBlitTest, TheDeviceContextShowsTheCanvasColoursUpright) {
  Canvas canvas;
  canvas.Line(10, 5, 200, 5, kPlayerBlue);
  canvas.Line(700, 640, 720, 600, kShellRed);
  canvas.Circle(361, 325, 5, RGB(0, 180, 0));
  for (const int dpi : {96, 144}) {
    const ScaledPicture picture(canvas, dpi);
    const int width = picture.width(), height = picture.height();
    // A top-down 32-bit DIB: each pixel reads 0x00RRGGBB.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    SelectObject(dc, bitmap);
    // In four boxes that meet off the middle, so each is taken from its own spot.
    const int midX = width / 3, midY = height / 3 + 1;
    for (const RECT& box : {RECT{0, 0, midX, midY}, RECT{midX, 0, width, midY}, RECT{0, midY, midX, height},
                            RECT{midX, midY, width, height}})
      blit(dc, picture, box);
    GdiFlush();
    const auto* shown = static_cast<const DWORD*>(bits);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Colour c = canvas.Point(static_cast<Single>(picture.fieldPixel(x)), static_cast<Single>(picture.fieldPixel(y)));
        const DWORD expected = static_cast<DWORD>((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
        wrong += (shown[y * width + x] & 0xFFFFFF) != expected;
      }
    }
    EXPECT_EQ(wrong, 0) << dpi << " DPI";
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}
