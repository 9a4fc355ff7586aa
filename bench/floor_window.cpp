// The floors the desktop game is measured against: a borderless window of the
// battlefield's size on the same widget stack, whose timer runs at the tick's
// period. Plain, it does nothing, so it never paints after it is first shown.
// Given --paint, each tick turns one tile of the damage grid from white to
// black or back and shows it, as the window shows a tick: what showing
// anything at all each tick costs, beside what the game's picture costs.
// scripts/measure_play.sh runs both beside the game.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "desktop/battlefield_window.h"

namespace {

class PaintingFloor : public QWidget {
 public:
  PaintingFloor() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void tick() {
    black_ = !black_;
    update(kTile);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (black_) painter.fillRect(kTile, Qt::black);
  }

 private:
  static constexpr QRect kTile{0, 0, Damage::kTile, Damage::kTile};
  bool black_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList options = QCoreApplication::arguments().mid(1);
  const bool paints = options == QStringList{"--paint"};
  if (!options.isEmpty() && !paints) {
    std::fputs("usage: floor_window [--paint]\n", stderr);
    return 2;
  }
  PaintingFloor floor;
  floor.setWindowTitle("Brassmoor floor");
  floor.setFixedSize(Canvas::kWidth, Canvas::kHeight);
  floor.setMouseTracking(true);  // pointer moves reach it as they reach the game
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(kTickInterval);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (paints) floor.tick();
  });
  tick.start();
  floor.show();
  return QApplication::exec();
}
