// While a key is held, X11 repeats it as release/press pairs. Qt marks most of
// them as auto-repeat, but some pairs come unmarked: both with one timestamp,
// well under a millisecond apart. So an unmarked release is held back a few
// milliseconds and dropped if a press of the same key follows. A tick that
// falls due meanwhile waits until no release is held back: no tick sees a held
// key as up, and a real release reaches the game before the next tick.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

#include "core/numeric.h"

class KeyReleaseHoldBack : public QObject {
 public:
  // Long enough for the press of a false pair to arrive, far below a tick.
  static constexpr std::chrono::milliseconds kHoldBack{5};

  using KeyUp = std::function<void(Integer keyCode)>;
  using Tick = std::function<void()>;

  KeyReleaseHoldBack(KeyUp keyUp, Tick tick);

  // An unmarked release of a key.
  void released(Integer keyCode);
  // A press: a release of the same key still held back was a false one.
  void pressed(Integer keyCode);
  // The timer's event: the tick runs now, or once no release is held back.
  void tickDue();
  // Lets every held-back release through now, then a tick that waits for it.
  void settleAll();

 private:
  struct HeldRelease {
    Integer keyCode;
    QDeadlineTimer due;
  };

  void drop(Integer keyCode);
  void letDueReleasesThrough();
  void afterChange();

  KeyUp keyUp_;
  Tick tick_;
  std::vector<HeldRelease> held_;  // in the order the keys went up, so the first is due first
  bool tickWaiting_ = false;
  QTimer timer_;
};
