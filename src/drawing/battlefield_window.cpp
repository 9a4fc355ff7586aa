#include "drawing/battlefield_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QScreen>

#include "core/errors.h"

BattlefieldWindow::BattlefieldWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("frm");
  setWindowTitle("Brassmoor");
  setFixedSize(Canvas::kWidth, Canvas::kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel
  if (const QScreen* s = screen()) move(s->geometry().center() - rect().center());

  tmr.setObjectName("tmr");
  tmr.setTimerType(Qt::PreciseTimer);
  tmr.setInterval(kTickMilliseconds);
  connect(&tmr, &QTimer::timeout, this, &BattlefieldWindow::tmr_Timer);
  tmr.start();
}

void BattlefieldWindow::setTimerEnabled(bool enabled) {
  if (enabled) {
    if (!tmr.isActive()) tmr.start();
  } else {
    tmr.stop();
  }
}

ResultDialog& BattlefieldWindow::frm_winlose() {
  if (!resultDialog_) resultDialog_ = std::make_unique<ResultDialogWindow>();
  return *resultDialog_;
}

HelpDialog& BattlefieldWindow::frm_help() {
  if (!helpDialog_) helpDialog_ = std::make_unique<HelpDialogWindow>();
  return *helpDialog_;
}

void BattlefieldWindow::tmr_Timer() {
  runHandler("tmr_Timer", [this] { game_.tmr_Timer(); });
  update();
}

void BattlefieldWindow::paintEvent(QPaintEvent*) {
  // Nearest-neighbour on high-density screens keeps the outlines crisp.
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), canvas_.image());
}

void BattlefieldWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}
