// What the game needs of its battlefield window, and no more: the canvas, the
// client size, the Tag text, the timer switch and the two dialogs. The Qt and
// the Win32 windows implement it; tests, the simulator and the browser edition
// hand the game an offscreen one.
#pragma once

#include <chrono>
#include <string>

#include "core/dialogs.h"
#include "core/numeric.h"
#include "core/surface.h"

// While the battlefield's timer is on, it ticks at this interval.
inline constexpr std::chrono::milliseconds kTickInterval{25};

class Frame {
 public:
  virtual ~Frame() = default;

  virtual Surface& canvas() = 0;
  virtual Single ScaleWidth() const = 0;
  virtual Single ScaleHeight() const = 0;

  // The next-level flag: "0", or "1" when a new level is asked for.
  virtual std::string Tag() const = 0;
  virtual void setTag(const std::string& tag) = 0;

  virtual bool timerEnabled() const = 0;
  virtual void setTimerEnabled(bool enabled) = 0;

  // Each dialog is created, hidden, on its first reference.
  virtual ResultDialog& frm_winlose() = 0;
  virtual HelpDialog& frm_help() = 0;
};
