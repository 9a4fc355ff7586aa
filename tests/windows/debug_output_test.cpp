// stderr's lines reach the debugger whole, one call a line, however the
// stream flushes them, and even when stderr itself goes nowhere.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "windows/debug_output.h"

namespace {

// stderr with no console behind it: every write fails.
struct Nowhere : std::streambuf {
  int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST(DebugOutputTest, EachLineReachesBothTheStreamAndTheDebuggerWhole) {
  std::ostringstream console;
  Nowhere nowhere;
  for (std::streambuf* behind : {static_cast<std::streambuf*>(console.rdbuf()), static_cast<std::streambuf*>(&nowhere)}) {
    std::ostream err(behind);
    err.setf(std::ios::unitbuf);  // as stderr: flushed after every insertion
    std::vector<std::string> debugger;
    {
      const DebugOutputTee tee(err, [&](const std::string& line) { debugger.push_back(line); });
      err << "brassmoor: run-time error in " << "tmr_Timer" << ": " << "Overflow" << std::endl;
      err << "second" << '\n' << "unfinished";
    }
    EXPECT_EQ(debugger, (std::vector<std::string>{"brassmoor: run-time error in tmr_Timer: Overflow\n", "second\n",
                                                   "unfinished"}));
    EXPECT_EQ(err.rdbuf(), behind) << "the stream gets its own back";
  }
  EXPECT_EQ(console.str(), "brassmoor: run-time error in tmr_Timer: Overflow\nsecond\nunfinished");
}
