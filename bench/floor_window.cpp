// The floor the desktop game is measured against: a borderless window of the
// battlefield's size on the same widget stack, whose timer runs at the tick's
// period and does nothing, so it never paints after it is first shown.
// scripts/measure_play.sh runs it beside the game.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "desktop/battlefield_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget floor(nullptr, Qt::Window | Qt::FramelessWindowHint);
  floor.setWindowTitle("Brassmoor floor");
  floor.setFixedSize(Canvas::kWidth, Canvas::kHeight);
  floor.setMouseTracking(true);  // pointer moves reach it as they reach the game
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(kTickInterval);
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start();
  floor.show();
  return QApplication::exec();
}
