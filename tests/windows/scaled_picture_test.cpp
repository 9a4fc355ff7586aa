// The battlefield on the screen at a monitor's scale: each battlefield pixel
// a sharp block of whole device pixels, and the pointer mapped back to the
// pixel under it. That each device pixel shows that pixel, in its true colour
// and kept whole by refreshing only the damage, is the battlefield window's test.
#include <gtest/gtest.h>

#include <vector>

#include "windows/scaled_picture.h"

TEST(ScaledPictureTest, EachBattlefieldPixelIsABlockOfWholeDevicePixelsThePointerMapsBackTo) {
  // By hand: 723 x 651 scaled and rounded half up; at a scale of s a pixel
  // takes floor(s) or ceil(s) device pixels on each axis.
  struct Case {
    int dpi, width, height, narrowest, widest;
  } const cases[] = {
      {96, 723, 651, 1, 1}, {120, 904, 814, 1, 2}, {144, 1085, 977, 1, 2}, {192, 1446, 1302, 2, 2}};
  Canvas canvas;
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
  }
  // A captured drag goes on beyond the window: -1 and -2 device pixels at
  // 144 DPI are -2/3 and -4/3 battlefield pixels, which lie in pixels -1 and -2.
  const ScaledPicture at144(canvas, 144);
  EXPECT_EQ(at144.fieldPixel(-1), -1);
  EXPECT_EQ(at144.fieldPixel(-2), -2);
  EXPECT_EQ(at144.fieldPixel(1085), 723);
}
