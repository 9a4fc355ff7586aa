// The checked Integer, the conversions the rules name, and the handler edge
// that ends at a run-time error.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "core/numeric.h"
#include "core/world.h"

TEST(IntegerTest, AdditionAndSubtractionRaiseOverflowAndNeverClamp) {
  Integer top = 32767;
  Integer bottom = -32768;
  EXPECT_THROW(top = top + 1, OverflowError);
  EXPECT_EQ(top.value(), 32767);
  EXPECT_THROW(bottom = bottom - 1, OverflowError);
  EXPECT_EQ(bottom.value(), -32768);
  EXPECT_THROW(Integer(40000), OverflowError);
  EXPECT_EQ((Integer(32766) + 1).value(), 32767);
  EXPECT_EQ((Integer(-32767) - 1).value(), -32768);
}

TEST(ConversionTest, FloorAndTiesToEvenRounding) {
  struct Case {
    Double in;
    int floor;
    int rounded;
  };
  const Case cases[] = {{2.5, 2, 2}, {3.5, 3, 4}, {-2.5, -3, -2}, {-0.5, -1, 0}, {0.49, 0, 0}, {32766.9, 32766, 32767}, {-32768.0, -32768, -32768}};
  for (const Case& c : cases) {
    EXPECT_EQ(floorToInteger(c.in).value(), c.floor) << c.in;
    EXPECT_EQ(roundToInteger(c.in).value(), c.rounded) << c.in;
  }
  EXPECT_THROW(floorToInteger(32768.0), OverflowError);
  EXPECT_THROW(roundToInteger(-32769.0), OverflowError);
  EXPECT_THROW(floorToInteger(std::numeric_limits<double>::quiet_NaN()), FloatingPointError);
}

TEST(ConversionTest, FloatingPointFaultsRaise) {
  EXPECT_THROW(toSingle(1e39), FloatingPointError);
  EXPECT_THROW(fp::finite(1.0 / std::numeric_limits<double>::denorm_min()), FloatingPointError);
  EXPECT_THROW(fp::sqrt(-1), FloatingPointError);
  EXPECT_THROW(fp::sin(std::numeric_limits<double>::infinity()), FloatingPointError);
  EXPECT_EQ(toSingle(0.1), 0.1F);
}

TEST(SlotArrayTest, IndicesOutsideTheSlotsRaiseSubscriptOutOfRange) {
  SlotArray<Integer> states;
  states[0] = 1;
  states[MAX_TANK] = 2;
  EXPECT_THROW(states[-1], SubscriptOutOfRange);
  EXPECT_THROW(states[MAX_TANK + 1], SubscriptOutOfRange);
  EXPECT_EQ(states[0].value(), 1);
  EXPECT_EQ(states[50].value(), 2);
}

TEST(HandlerEdgeTest, AnErrorEndsTheHandlerAndIsReportedOnOneLine) {
  int stepsRun = 0;
  testing::internal::CaptureStderr();
  runHandler("Form_KeyPress", [&] {
    ++stepsRun;
    Integer losses = 32767;
    losses = losses + 1;
    ++stepsRun;  // never reached
  });
  const std::string reported = testing::internal::GetCapturedStderr();
  EXPECT_EQ(stepsRun, 1);
  EXPECT_NE(reported.find("Form_KeyPress"), std::string::npos);
  EXPECT_NE(reported.find("Overflow"), std::string::npos);
  EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1);
}
