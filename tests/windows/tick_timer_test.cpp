// The battlefield's timer: ticks while on and none while off, a late tick
// dropped rather than queued, and where Windows refuses a high-resolution
// timer (before Windows 10 1803) a plain one, with the system's clock raised
// to 1 ms for as long as the timer lives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/tick_timer.h"

namespace {

constexpr std::chrono::milliseconds kInterval{25};
constexpr DWORD kLongEnough = 5000;  // ms: a tick that is coming comes by then, however loaded the machine

// As the event loop does: waits for the signal and takes the tick.
bool tickDue(TickTimer& timer, DWORD waitMilliseconds) {
  return WaitForSingleObject(timer.signal(), waitMilliseconds) == WAIT_OBJECT_0 && timer.takeTick();
}

std::vector<std::string> clockCalls;

// Windows before 1803: the high-resolution flag is an invalid parameter.
const TickTimer::System kOldWindows{
    [](DWORD flags) -> HANDLE {
      if (flags & TickTimer::kHighResolution) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
      }
      return TickTimer::kWindows.createTimer(flags);
    },
    [](UINT milliseconds) -> UINT {
      clockCalls.push_back("raised to " + std::to_string(milliseconds));
      return TIMERR_NOERROR;
    },
    [](UINT milliseconds) -> UINT {
      clockCalls.push_back("back from " + std::to_string(milliseconds));
      return TIMERR_NOERROR;
    }};

}  // namespace

TEST(TickTimerTest, TicksWhileOnAndNotWhileOffAndALateTickIsDroppedNotQueued) {
  TickTimer timer(kInterval);
  EXPECT_FALSE(tickDue(timer, 4 * kInterval.count())) << "off until switched on";
  timer.setEnabled(true);
  EXPECT_TRUE(tickDue(timer, kLongEnough));
  EXPECT_TRUE(tickDue(timer, kLongEnough)) << "and again";
  Sleep(10 * kInterval.count());  // ten ticks fall due with nobody taking them
  EXPECT_TRUE(tickDue(timer, 0));
  EXPECT_FALSE(tickDue(timer, 0)) << "the ticks missed meanwhile are not queued";
  timer.setEnabled(false);
  EXPECT_FALSE(tickDue(timer, 4 * kInterval.count()));
}

TEST(TickTimerTest, WithoutAHighResolutionTimerAPlainOneTicksOnAClockRaisedTo1ms) {
  clockCalls.clear();
  {
    TickTimer timer(kInterval, kOldWindows);
    EXPECT_FALSE(timer.highResolution());
    EXPECT_EQ(clockCalls, std::vector<std::string>{"raised to 1"});
    timer.setEnabled(true);
    EXPECT_TRUE(tickDue(timer, kLongEnough));
  }
  EXPECT_EQ(clockCalls, (std::vector<std::string>{"raised to 1", "back from 1"}));
}
