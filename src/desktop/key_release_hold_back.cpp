#include "desktop/key_release_hold_back.h"

#include <algorithm>
#include <utility>

KeyReleaseHoldBack::KeyReleaseHoldBack(KeyUp keyUp, Tick tick) : keyUp_(std::move(keyUp)), tick_(std::move(tick)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    letDueReleasesThrough();
    afterChange();
  });
}

void KeyReleaseHoldBack::released(Integer keyCode) {
  drop(keyCode);
  held_.push_back({keyCode, QDeadlineTimer(kHoldBack, Qt::PreciseTimer)});
  afterChange();
}

void KeyReleaseHoldBack::pressed(Integer keyCode) {
  drop(keyCode);
  afterChange();
}

void KeyReleaseHoldBack::tickDue() {
  tickWaiting_ = true;
  afterChange();
}

void KeyReleaseHoldBack::settleAll() {
  for (const HeldRelease& release : std::exchange(held_, {})) keyUp_(release.keyCode);
  afterChange();
}

void KeyReleaseHoldBack::drop(Integer keyCode) {
  std::erase_if(held_, [keyCode](const HeldRelease& release) { return release.keyCode == keyCode; });
}

void KeyReleaseHoldBack::letDueReleasesThrough() {
  while (!held_.empty() && held_.front().due.hasExpired()) {
    const Integer keyCode = held_.front().keyCode;
    held_.erase(held_.begin());
    keyUp_(keyCode);
  }
}

// Runs a waiting tick once nothing is held back, or waits for the first release due.
void KeyReleaseHoldBack::afterChange() {
  if (held_.empty()) {
    timer_.stop();
    if (tickWaiting_) {
      tickWaiting_ = false;
      tick_();
    }
  } else {
    timer_.start(std::max<int>(0, static_cast<int>(held_.front().due.remainingTime())));
  }
}
