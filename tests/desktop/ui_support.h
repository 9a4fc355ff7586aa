// For the tests of the player's interface: a battlefield window whose Quit is
// recorded instead of ending the process, the dialogs and their controls found
// by their names, ticks delivered as the timer's own events, and the pointer's moves.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <vector>

#include "desktop/battlefield_window.h"

// How long to wait for what must come at the latest. Far longer than it
// takes; only a starved machine comes near it.
constexpr int kPatience = 2000;  // milliseconds
// Long past every hold-back of a key release.
constexpr int kSettled = 6 * KeyReleaseHoldBack::kHoldBack.count();

struct PlayerWindow {
  std::vector<int> exits;  // the status of each Quit
  BattlefieldWindow frm{[this](int status) { exits.push_back(status); }};
  Game& game = frm.game();
};

// A shown dialog or window, by its name; null if there is none.
inline QWidget* topLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

template <class Control>
Control* control(const char* dialog, const char* name) {
  QWidget* window = topLevel(dialog);
  return window ? window->findChild<Control*>(name) : nullptr;
}

// A timer's event, as the event loop hands it over when the timer fires: the
// battlefield's tmr runs the tick only if it is on.
inline void timerFires(QObject& owner, const char* timer = "tmr") {
  auto* fired = owner.findChild<QTimer*>(timer);
  QTimerEvent event(fired->timerId());
  QCoreApplication::sendEvent(fired, &event);
}

// The pointer moved to a point of the window, with those buttons held.
inline void movePointer(QWidget& window, QPointF to, Qt::MouseButtons held = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, to, window.mapToGlobal(to), Qt::NoButton, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &move);
}

// Every tick sets aliveCount afresh; a value no walk can leave shows none has run.
struct TickWatch {
  explicit TickWatch(Game& game) : game(game) { game.aliveCount = kUnwalked; }
  bool ticked() const { return game.aliveCount != kUnwalked; }
  static constexpr int kUnwalked = -1;
  Game& game;
};
