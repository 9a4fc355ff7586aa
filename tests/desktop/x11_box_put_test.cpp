// How many of a box's rows go to the X server in one request.
#include <gtest/gtest.h>

#include "desktop/x11_box_put.h"

TEST(X11BoxPutTest, ABandHoldsTheWholeRowsThatFitAndAlwaysOne) {
  struct Case {
    std::size_t rowBytes, maxBytes;
    int rows;
  } const cases[] = {
      {723 * 4, 65535 * 4 - 28, 90},  // the battlefield's width, a server without big requests
      {64, 640, 10},                  // rows that fill the request exactly
      {64, 639, 9},
      {2892, 100, 1},                 // a row alone beyond the bound still goes
  };
  for (const Case& c : cases) EXPECT_EQ(rowsPerRequest(c.rowBytes, c.maxBytes), c.rows) << c.rowBytes << " " << c.maxBytes;
}
