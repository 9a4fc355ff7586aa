// The battlefield on the screen at a monitor's scale: each battlefield pixel
// a sharp block of whole device pixels, the pointer mapped back to the pixel
// under it, and the picture kept whole by refreshing only the damage. That
// the window shows it in its true colours is the battlefield window's test.
#include <gtest/gtest.h>

#include <vector>

#include "core/colours.h"
#include "support/offscreen_game.h"
#include "windows/scaled_picture.h"

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

std::vector<Canvas::Pixel> copyOf(const ScaledPicture& picture) {
  return {picture.pixels(), picture.pixels() + static_cast<std::size_t>(picture.width()) * picture.height()};
}

}  // namespace

// Every device pixel shows the battlefield pixel that the pointer there maps
// back to, so a pixel is hit where it is seen.
TEST(ScaledPictureTest, EachBattlefieldPixelIsABlockOfWholeDevicePixelsThePointerMapsBackTo) {
  // By hand: 723 x 651 scaled and rounded half up; at a scale of s a pixel
  // takes floor(s) or ceil(s) device pixels on each axis.
  struct Case {
    int dpi, width, height, narrowest, widest;
  } const cases[] = {
      {96, 723, 651, 1, 1}, {120, 904, 814, 1, 2}, {144, 1085, 977, 1, 2}, {192, 1446, 1302, 2, 2}};
  Canvas canvas;
  canvas.Line(10, 5, 700, 640, kTankBlack);
  canvas.Circle(361, 325, 5, kPlayerBlue);
  for (const Case& c : cases) {
    const ScaledPicture picture(canvas, c.dpi);
    EXPECT_EQ(picture.width(), c.width) << c.dpi;
    EXPECT_EQ(picture.height(), c.height) << c.dpi;
    std::vector<int> across(Canvas::kWidth);
    for (int x = 0; x < picture.width(); ++x) {
      const int field = picture.fieldPixel(x);
      ASSERT_TRUE(field == picture.fieldPixel(x - 1) || field == picture.fieldPixel(x - 1) + 1) << c.dpi << " DPI, " << x;
      ++across[static_cast<std::size_t>(field)];
    }
    for (int field = 0; field < Canvas::kWidth; ++field) {
      EXPECT_GE(across[field], c.narrowest) << c.dpi << " DPI, column " << field;
      EXPECT_LE(across[field], c.widest) << c.dpi << " DPI, column " << field;
    }
    int elsewhere = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const std::size_t shown = static_cast<std::size_t>(picture.fieldPixel(y)) * Canvas::kWidth + picture.fieldPixel(x);
        elsewhere += picture.pixels()[y * picture.width() + x] != canvas.pixels()[shown];
      }
    }
    EXPECT_EQ(elsewhere, 0) << c.dpi << " DPI";
  }
  // A captured drag goes on beyond the window: -1 and -2 device pixels at
  // 144 DPI are -2/3 and -4/3 battlefield pixels, which lie in pixels -1 and -2.
  const ScaledPicture at144(canvas, 144);
  EXPECT_EQ(at144.fieldPixel(-1), -1);
  EXPECT_EQ(at144.fieldPixel(-2), -2);
  EXPECT_EQ(at144.fieldPixel(1085), 723);
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
