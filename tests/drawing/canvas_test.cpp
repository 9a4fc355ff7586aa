// The canvas primitives and the pixel read, by reading pixels back.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "core/colours.h"
#include "drawing/canvas.h"

namespace {

using Pixel = std::pair<int, int>;

std::set<Pixel> pixelsNotWhite(const Canvas& canvas) {
  std::set<Pixel> found;
  for (int y = 0; y < Canvas::kHeight; ++y) {
    for (int x = 0; x < Canvas::kWidth; ++x) {
      if (canvas.Point(x, y) != kWhite) found.insert({x, y});
    }
  }
  return found;
}

}  // namespace

TEST(CanvasTest, PointReadsTheColourAsRedPlus256GreenPlus65536Blue) {
  Canvas canvas;
  EXPECT_EQ(canvas.Point(0, 0), 16777215);
  canvas.Line(10, 10, 20, 10, RGB(1, 2, 3));
  EXPECT_EQ(canvas.Point(10, 10), 1 + 256 * 2 + 65536 * 3);
}

TEST(CanvasTest, PointIsMinusOneOnEverySideOutsideTheClientArea) {
  Canvas canvas;
  const std::pair<Single, Single> outside[] = {{-1, 300},    {-0.6F, 0},   {723, 300}, {722.5F, 10}, {300, -1},
                                               {300, -0.6F}, {300, 651},   {5, 650.5F}, {-5, -5},    {900, 900},
                                               {1e30F, 2},   {2, -1e30F}};
  for (const auto& [x, y] : outside) EXPECT_EQ(canvas.Point(x, y), -1) << x << "," << y;
  const std::pair<Single, Single> inside[] = {{0, 0}, {-0.5F, -0.5F}, {722, 650}, {722.4F, 650.4F}};
  for (const auto& [x, y] : inside) EXPECT_EQ(canvas.Point(x, y), kWhite) << x << "," << y;
}

TEST(CanvasTest, ASegmentPaintsItsStartButNotItsEndPixel) {
  Canvas canvas;
  canvas.Line(10.4F, 20.2F, 14.6F, 20.4F, kTankBlack);  // pixels 10..15 on row 20
  EXPECT_EQ(pixelsNotWhite(canvas), (std::set<Pixel>{{10, 20}, {11, 20}, {12, 20}, {13, 20}, {14, 20}}));
}

TEST(CanvasTest, AContinuedSegmentStartsAtThePenPositionAndClsResetsIt) {
  Canvas canvas;
  canvas.Line(5, 5, 8, 5, kTankBlack);
  canvas.LineTo(8, 7, kTankBlack);
  EXPECT_EQ(pixelsNotWhite(canvas), (std::set<Pixel>{{5, 5}, {6, 5}, {7, 5}, {8, 5}, {8, 6}}));

  canvas.Cls();
  EXPECT_TRUE(pixelsNotWhite(canvas).empty());
  canvas.LineTo(0, 3, kTankBlack);
  EXPECT_EQ(pixelsNotWhite(canvas), (std::set<Pixel>{{0, 0}, {0, 1}, {0, 2}}));
}

TEST(CanvasTest, CirclesOfRadiusOneAndFive) {
  Canvas canvas;
  canvas.Circle(50.2F, 60.4F, 1, kShellRed);
  EXPECT_EQ(pixelsNotWhite(canvas), (std::set<Pixel>{{51, 60}, {49, 60}, {50, 61}, {50, 59}}));

  canvas.Cls();
  canvas.Circle(100, 100, 5, kTankBlack);
  const std::set<Pixel> ring = pixelsNotWhite(canvas);
  for (const auto& [x, y] : ring) {
    const int d2 = (x - 100) * (x - 100) + (y - 100) * (y - 100);
    EXPECT_GE(d2, 21) << x << "," << y;  // within half a pixel of radius 5
    EXPECT_LE(d2, 30) << x << "," << y;
  }
  for (const Pixel& p : {Pixel{105, 100}, Pixel{95, 100}, Pixel{100, 105}, Pixel{100, 95}}) EXPECT_TRUE(ring.count(p));
  EXPECT_EQ(canvas.Point(100, 100), kWhite);
}

TEST(CanvasTest, DrawingThatReachesOutsideIsClippedAndFarCoordinatesAreSafe) {
  Canvas canvas;
  canvas.Line(-10, 5, 3, 5, kTankBlack);
  canvas.Circle(721, 649, 5, kTankBlack);
  canvas.Line(-1e30F, 100, 1e30F, 100, kTankBlack);  // across the whole battlefield
  canvas.Line(1e30F, 1e30F, 2e30F, -1e30F, kTankBlack);
  canvas.Circle(-1e30F, 5, 1, kTankBlack);
  const std::set<Pixel> drawn = pixelsNotWhite(canvas);
  EXPECT_TRUE(drawn.count({0, 5}));
  EXPECT_TRUE(drawn.count({2, 5}));
  EXPECT_TRUE(drawn.count({721, 644}));
  for (int x = 1; x < Canvas::kWidth - 1; ++x) ASSERT_TRUE(drawn.count({x, 100})) << x;
}

// A pixel one past an edge is not on the battlefield: painted, it would wrap
// round onto the neighbouring row or run off the buffer's ends.
TEST(CanvasTest, AFigureOnePixelPastAnEdgePaintsOnlyWithinItsOwnBox) {
  struct Case {
    void (*draw)(Canvas&);
    int left, top, right, bottom;  // the figure's box, cut to the battlefield
  };
  const Case cases[] = {
      {[](Canvas& c) { c.Line(723, 300, 700, 300, kTankBlack); }, 701, 300, 722, 300},
      {[](Canvas& c) { c.Line(-1, 300, 20, 300, kTankBlack); }, 0, 300, 19, 300},
      {[](Canvas& c) { c.Line(300, -1, 300, 20, kTankBlack); }, 300, 0, 300, 19},
      {[](Canvas& c) { c.Line(300, 651, 300, 630, kTankBlack); }, 300, 631, 300, 650},
      {[](Canvas& c) { c.Circle(6, 300, 7, kTankBlack); }, 0, 293, 13, 307},
      {[](Canvas& c) { c.Circle(716, 300, 7, kTankBlack); }, 709, 293, 722, 307},
      {[](Canvas& c) { c.Circle(300, 6, 7, kTankBlack); }, 293, 0, 307, 13},
      {[](Canvas& c) { c.Circle(300, 644, 7, kTankBlack); }, 293, 637, 307, 650},
  };
  for (const Case& each : cases) {
    Canvas canvas;
    each.draw(canvas);
    const std::set<Pixel> drawn = pixelsNotWhite(canvas);
    EXPECT_FALSE(drawn.empty()) << each.left << "," << each.top;
    for (const auto& [x, y] : drawn) {
      EXPECT_TRUE(x >= each.left && x <= each.right && y >= each.top && y <= each.bottom)
          << x << "," << y << " outside the box at " << each.left << "," << each.top;
    }
  }
}

TEST(CanvasTest, ASegmentBetweenFarOffEndsPaintsItsLineAcrossTheBattlefield) {
  // y = slope * x, drawn from far end to far end both ways.
  for (const float slope : {2.0F, 0.5F}) {
    for (const float from : {-1e6F, 1e6F}) {
      Canvas canvas;
      canvas.Line(from, from * slope, -from, -from * slope, kTankBlack);
      const bool steep = slope > 1;
      std::set<int> alongMajorAxis;
      for (const auto& [x, y] : pixelsNotWhite(canvas)) {
        EXPECT_LE(std::abs(steep ? x - y / slope : y - x * slope), 1) << slope << ": " << x << "," << y;
        alongMajorAxis.insert(steep ? y : x);
      }
      EXPECT_EQ(alongMajorAxis.size(), static_cast<std::size_t>(steep ? Canvas::kHeight : Canvas::kWidth)) << slope;
    }
  }
}

// The desktop's order, which Qt's backing store and a Windows DIB take as it is.
TEST(CanvasTest, EachPixelIsBlueGreenRedAndOpaqueInMemory) {
  Canvas canvas;
  canvas.Line(3, 4, 9, 4, kPlayerBlue);
  const auto* bytes = reinterpret_cast<const unsigned char*>(canvas.pixels());
  const auto at = [&](int x, int y) {
    const unsigned char* p = bytes + 4 * (y * Canvas::kWidth + x);
    return std::vector<int>{p[0], p[1], p[2], p[3]};
  };
  EXPECT_EQ(at(3, 4), (std::vector<int>{150, 0, 0, 255}));
  EXPECT_EQ(at(3, 5), (std::vector<int>{255, 255, 255, 255}));
}
