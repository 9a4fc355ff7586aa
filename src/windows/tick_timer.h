// The battlefield's timer tmr: while enabled, a tick falls due every 25 ms.
// The event loop waits on its handle beside the window messages, and when it
// is signalled takes the tick.
//
// Why not SetTimer: its events come on the system's clock tick, 15.6 ms by
// default, so SetTimer(25) fires every second clock tick, about 31 ms: the
// game would run at 32 ticks a second instead of 40. A high-resolution
// waitable timer (Windows 10 1803 on) keeps the 25 ms. Where Windows refuses
// one, a plain waitable timer serves, with the system's clock raised to 1 ms
// (timeBeginPeriod) for as long as the timer lives.
//
// Ticks keep to one schedule, so a slow tick does not delay the ones after
// it. A tick that falls due while the last is still waiting to be taken is
// dropped, never queued: the game slows down rather than catching up.
#pragma once

#include "windows/win32.h"

#include <timeapi.h>

#include <chrono>

class TickTimer {
 public:
  // What the timer asks of Windows. Tests hand in their own, to refuse the
  // high-resolution timer as Windows before 1803 does.
  struct System {
    HANDLE (*createTimer)(DWORD flags);
    UINT (*beginPeriod)(UINT milliseconds);
    UINT (*endPeriod)(UINT milliseconds);
  };
  static const System kWindows;
  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION (Windows 10 1803 on), which
  // mingw-w64's headers do not name yet; older versions refuse the flag.
  static constexpr DWORD kHighResolution = 0x00000002;

  explicit TickTimer(std::chrono::milliseconds interval, const System& system = kWindows);
  ~TickTimer();
  TickTimer(const TickTimer&) = delete;
  TickTimer& operator=(const TickTimer&) = delete;

  bool enabled() const { return enabled_; }
  // Switched on, the first tick comes one interval later.
  void setEnabled(bool enabled);

  // Signalled while a tick is due; a wait on it takes the signal.
  HANDLE signal() const { return timer_; }
  // After the handle was signalled: whether the tick is to run, which it is
  // not if the timer went off meanwhile. The next tick falls due one interval
  // after this one did, or at the first time on the schedule still ahead.
  bool takeTick();

  bool highResolution() const { return highResolution_; }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr UINT kClockMilliseconds = 1;  // the system clock's period in the fallback

  void dueAt(Clock::time_point when);

  System system_;
  Clock::duration interval_;
  HANDLE timer_ = nullptr;
  bool highResolution_ = true;
  bool raisedClock_ = false;
  bool enabled_ = false;
  Clock::time_point due_;
};
