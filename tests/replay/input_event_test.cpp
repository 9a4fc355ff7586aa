// The one grammar of an event line, which a script and a replay share: the
// lines it refuses, and the Single each coordinate reads as.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "replay/input_event.h"
#include "replay/text_lines.h"

TEST(InputEventTest, ABadEventIsRefusedWithWhatIsWrong) {
  struct Case {
    const char* line;
    const char* says;  // a part of the message
  } const cases[] = {
      {"0 move 1 2", "tick must be a whole number"},
      {"9223372036854775808 next", "tick must be a whole number from 1 to 9223372036854775807,"},
      {"x move 1 2", "not 'x'"},
      {"5", "event name must follow"},
      {"5 jump", "unknown event 'jump'"},
      {"5 move 1", "move takes X Y, not 1 value"},
      {"5 move 1 2 3 4", "not 4 values"},
      {"5 down 1 2", "down takes B X Y, not 2 values"},
      {"5 keydown", "not 0 values"},
      {"5 keyup 38 39", "not 2 values"},
      {"5 next now", "next takes no arguments"},
      {"5 down 1.5 2 3", "B must be a whole number"},
      {"5 up 70000 2 3", "not '70000'"},
      {"5 keydown -32769", "CODE must be a whole number from -32768 to 32767, not '-32769'"},
      // Numbers outside the one grammar of every build: the C++ libraries
      // of the desktop and of the Node build each took some of these.
      {"5 move a 2", "X must be a decimal number"},
      {"5 move nan 2", "not 'nan'"},
      {"5 move inf 2", "not 'inf'"},
      {"5 move 0x10 2", "not '0x10'"},
      {"5 move 0x1p3 2", "not '0x1p3'"},
      {"5 move 1 0X1P-2", "Y must be a decimal number"},
      {"5 move 1e 2", "not '1e'"},
      {"5 move 1 1e40", "Y '1e40' is beyond a Single's range"},
      {"5 move 3.4028236e38 2", "beyond a Single's range"},
      {"5 move 1e-50 2", "X '1e-50' is too near 0"},
      {"5 move 1e-38 2", "too near 0"},
      {"5 move 1e-45 2", "too near 0"},
      {"5 move 0.000000000000000000000000000000000000000000000000001 2", "too near 0"},
  };
  for (const Case& c : cases) {
    try {
      parseEvent(wordsOf(c.line));
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const BadLine& error) {
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
  }
}

TEST(InputEventTest, ACoordinateIsTheSingleNearestItsDecimal) {
  struct Case {
    const char* word;
    Single value;
  } const cases[] = {
      {"5.", 5.0F},
      {".25", 0.25F},
      {"-4.5e1", -45.0F},
      {"+1E-1", 0.1F},
      {"-0", -0.0F},
      {"0e-999", 0.0F},
      {"1.17549435e-38", std::numeric_limits<Single>::min()},
      {"3.4028235e38", std::numeric_limits<Single>::max()},
      // Halfway between 1 and the next Single goes to the even one, 1; a hair
      // above it goes up. Read first as a double, both would round to 1.
      {"1.000000059604644775390625", 1.0F},
      {"1.00000005960464477539062500000001", std::nextafter(1.0F, 2.0F)},
  };
  for (const Case& c : cases) {
    const InputEvent event = parseEvent(wordsOf(std::string("1 move 0 ") + c.word));
    EXPECT_EQ(event.y, c.value) << c.word;
    EXPECT_EQ(std::signbit(event.y), std::signbit(c.value)) << c.word;
  }
}

// Written back in the fewest digits that read as the same Single, and a whole
// one below a billion with all of its digits, as a person would write it.
TEST(InputEventTest, ACoordinateIsWrittenInTheFewestDigitsThatReadBackToIt) {
  struct Case {
    Single value;
    const char* text;
  } const cases[] = {{0.1F, "0.1"},  {1.0F / 3.0F, "0.33333334"}, {-0.0F, "-0"},
                     {100.0F, "100"}, {123456789.0F, "123456792"}, {1e9F, "1e+09"}};
  for (const Case& c : cases) EXPECT_EQ(formatSingle(c.value), c.text) << c.text;
}
