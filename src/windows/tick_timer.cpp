#include "windows/tick_timer.h"

#include <algorithm>

#include "windows/windows_error.h"

namespace {

HANDLE createWaitableTimer(DWORD flags) { return CreateWaitableTimerExW(nullptr, nullptr, flags, TIMER_ALL_ACCESS); }

// SetWaitableTimer counts in 100 ns units.
using TimerUnits = std::chrono::duration<LONGLONG, std::ratio<1, 10'000'000>>;

}  // namespace

const TickTimer::System TickTimer::kWindows{createWaitableTimer, timeBeginPeriod, timeEndPeriod};

TickTimer::TickTimer(std::chrono::milliseconds interval, const System& system) : system_(system), interval_(interval) {
  timer_ = system_.createTimer(kHighResolution);
  if (!timer_) {
    highResolution_ = false;
    timer_ = mustSucceed(system_.createTimer(0), "create the battlefield's timer");
    raisedClock_ = system_.beginPeriod(kClockMilliseconds) == TIMERR_NOERROR;
  }
}

TickTimer::~TickTimer() {
  if (raisedClock_) system_.endPeriod(kClockMilliseconds);
  CloseHandle(timer_);
}

void TickTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (enabled) {
    dueAt(Clock::now() + interval_);
  } else {
    mustSucceed(CancelWaitableTimer(timer_), "stop the battlefield's timer");
  }
  enabled_ = enabled;
}

bool TickTimer::takeTick() {
  if (!enabled_) return false;
  const Clock::time_point now = Clock::now();
  due_ += interval_;
  if (due_ <= now) due_ += (now - due_) / interval_ * interval_ + interval_;  // the ticks missed are dropped
  dueAt(due_);
  return true;
}

// A relative time: an absolute one would follow changes of the wall clock.
void TickTimer::dueAt(Clock::time_point when) {
  due_ = when;
  LARGE_INTEGER after;
  after.QuadPart = -std::max<LONGLONG>(std::chrono::duration_cast<TimerUnits>(when - Clock::now()).count(), 1);
  mustSucceed(SetWaitableTimer(timer_, &after, 0, nullptr, nullptr, FALSE), "start the battlefield's timer");
}
