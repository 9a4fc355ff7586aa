// A fault that repeats is reported once, then counted at most once a second.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>

#include "core/error_report.h"

namespace {

using namespace std::chrono_literals;

struct ReportAt {
  std::ostringstream out;
  std::chrono::steady_clock::time_point now{};
  ErrorReport report{out, [this] { return now; }};

  std::vector<std::string> lines() const {
    std::vector<std::string> all;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
  }
};

// The number of repeats a line tells, 0 for the line of a first occurrence.
long long repeatsTold(const std::string& line) {
  static const std::regex kRepeats(R"(\((\d+) more times?\)$)");
  std::smatch m;
  return std::regex_search(line, m, kRepeats) ? std::stoll(m[1]) : 0;
}

}  // namespace

TEST(ErrorReportTest, AThousandIdenticalErrorsOverTwentyFiveSecondsGiveAtMostTwentySixLinesAndCountEveryOne) {
  ReportAt r;
  for (int i = 0; i < 1000; ++i) {
    r.now = std::chrono::steady_clock::time_point{} + i * 25ms;
    r.report.report("tmr_Timer", OverflowError());
  }
  r.report.flushRepeats();
  const std::vector<std::string> lines = r.lines();
  ASSERT_LE(lines.size(), 26u);
  EXPECT_EQ(lines.front(), "brassmoor: run-time error in tmr_Timer: Overflow");
  long long told = 0;
  for (const std::string& line : lines) {
    EXPECT_EQ(line.rfind("brassmoor: run-time error in tmr_Timer: Overflow", 0), 0u) << line;
    told += repeatsTold(line);
  }
  EXPECT_EQ(told, 999) << "every repeat is counted once";
}

TEST(ErrorReportTest, ADifferentErrorOrTheSameErrorInAnotherHandlerIsReportedAtOnce) {
  ReportAt r;
  r.report.report("tmr_Timer", OverflowError());
  r.now += 100ms;
  r.report.report("tmr_Timer", OverflowError());        // counted
  r.report.report("tmr_Timer", SubscriptOutOfRange());  // another error
  r.report.report("Form_MouseMove", OverflowError());   // another handler
  r.now += 900ms;
  r.report.report("tmr_Timer", OverflowError());  // a second after its last line: both repeats told
  EXPECT_EQ(r.lines(), (std::vector<std::string>{
                           "brassmoor: run-time error in tmr_Timer: Overflow",
                           "brassmoor: run-time error in tmr_Timer: Subscript out of range",
                           "brassmoor: run-time error in Form_MouseMove: Overflow",
                           "brassmoor: run-time error in tmr_Timer: Overflow (2 more times)",
                       }));
}

TEST(ErrorReportTest, RepeatsStillUntoldAreWrittenOutAsTheReportEnds) {
  std::ostringstream out;
  {
    ErrorReport report(out, [] { return std::chrono::steady_clock::time_point{}; });
    for (int i = 0; i < 3; ++i) report.report("tmr_Timer", OverflowError());
  }
  EXPECT_EQ(out.str(), "brassmoor: run-time error in tmr_Timer: Overflow\n"
                       "brassmoor: run-time error in tmr_Timer: Overflow (2 more times)\n");
}
