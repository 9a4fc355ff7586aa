#include "desktop/battlefield_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "desktop/box_copy.h"
#include "desktop/canvas_image.h"
#include "desktop/qt_input.h"
#include "replay/dialog_clicks.h"

BattlefieldWindow::BattlefieldWindow(ProcessExit exitProcess, RandomSource random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      shown_(canvasImage(picture())),
      random_(std::move(random)),
      exitProcess_(std::move(exitProcess)),
      resultDialog_([this] {
        return std::make_unique<ResultDialogWindow>(resultClicks(seam_, [this] { exitProcess_(kQuitStatus); }), *this);
      }),
      helpDialog_([this] { return std::make_unique<HelpDialogWindow>(helpClicks(seam_), *this); }),
      heldReleases_([this](Integer keyCode) { seam_.Form_KeyUp(keyCode); },
                    // A tick that waited for a key release runs only if the keys left the timer on.
                    [this] { if (tmr.isActive()) tmr_Timer(); }) {
  setObjectName("frm");
  setWindowTitle("Brassmoor");
  setFixedSize(Canvas::kWidth, Canvas::kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel
  if (const QScreen* s = screen()) move(s->geometry().center() - rect().center());

  tmr.setObjectName("tmr");
  tmr.setTimerType(Qt::PreciseTimer);
  tmr.setInterval(kTickInterval);
  connect(&tmr, &QTimer::timeout, &heldReleases_, &KeyReleaseHoldBack::tickDue);
  tmr.start();

  setMouseTracking(true);  // the aim follows the pointer with no button held
  setFocusPolicy(Qt::StrongFocus);
}

void BattlefieldWindow::setTimerEnabled(bool enabled) {
  if (enabled) {
    if (!tmr.isActive()) tmr.start();
  } else {
    tmr.stop();
  }
}

ResultDialog& BattlefieldWindow::frm_winlose() { return *resultDialog_; }
HelpDialog& BattlefieldWindow::frm_help() { return *helpDialog_; }

void BattlefieldWindow::tmr_Timer() {
  seam_.tmr_Timer();
  repaintDamage();
}

void BattlefieldWindow::tickBy(std::function<void()> period) {
  disconnect(&tmr, &QTimer::timeout, &heldReleases_, &KeyReleaseHoldBack::tickDue);
  pace_.setObjectName("pace");
  pace_.setTimerType(Qt::PreciseTimer);
  pace_.setInterval(kTickInterval);
  connect(&pace_, &QTimer::timeout, this, [this, period = std::move(period)] {
    period();
    repaintDamage();
  });
  pace_.start();
}

namespace {

// Each box is widened to whole device pixels: at a fractional scale a box's
// edge could otherwise split a device pixel and leave a seam of old pixels.
QRect onWholeDevicePixels(const QRect& box, qreal scale) {
  const QRect device = QRectF(QPointF(box.topLeft()) * scale, QSizeF(box.size()) * scale).toAlignedRect();
  return QRectF(QPointF(device.topLeft()) / scale, QSizeF(device.size()) / scale).toAlignedRect();
}

// Whether the canvas's rows can be copied into the image as they are: one
// device pixel a pixel, row for row. The canvas's pixels are opaque, so with or
// without alpha premultiplied, the two formats an X11 backing store holds take
// the same bytes.
bool takesCanvasRows(const QImage& image, const QImage& canvas) {
  const bool sameBytes =
      image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
  return sameBytes && image.devicePixelRatio() == 1 && image.size() == canvas.size() &&
         image.bytesPerLine() == canvas.bytesPerLine();
}

}  // namespace

// The backing store's image, where the widget paints unless it is being
// grabbed, if the canvas's rows can be copied into it as they are.
QImage* BattlefieldWindow::storeTakingRows(QPaintDevice* device) const {
  auto* store = dynamic_cast<QImage*>(device);
  return store && takesCanvasRows(*store, shown_) ? store : nullptr;
}

// Only what the game drew goes to the window system, not the whole battlefield,
// and in one request: each update() call costs more than the region's union.
// On X11 at one device pixel a pixel, the boxes go straight to the window from
// memory the server shares, a small request each.
void BattlefieldWindow::repaintDamage() {
  const std::vector<PixelRect>& boxes = picture().takeDamage();
  if (boxes.empty()) return;
  const qreal scale = devicePixelRatioF();
  if (x11Put_ && scale == 1) {
    x11Put_->put(shown_, boxes);
    return;
  }
  QRegion damage;
  for (const PixelRect& r : boxes) damage += onWholeDevicePixels({r.left, r.top, r.width, r.height}, scale);
  update(damage);
}

// The boxes put straight never reach what Qt keeps of the window, on the
// server and off it, so an expose repaints the whole battlefield from the
// canvas rather than showing what Qt kept.
bool BattlefieldWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle()) update();
  return QWidget::eventFilter(watched, event);
}

void BattlefieldWindow::paintEvent(QPaintEvent* event) {
  // At one device pixel a pixel, the boxes' rows go straight into the backing
  // store's image: a painter's clip and draw cost more than the rows themselves.
  QPoint offset;
  QPaintDevice* const device = redirected(&offset);
  if (QImage* const store = offset.isNull() ? storeTakingRows(device) : nullptr) {
    for (const QRect& box : event->region()) copyBox(*store, shown_, box);
    return;
  }
  // Nearest-neighbour on high-density screens keeps the outlines crisp.
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const QRect& box : event->region()) {
    // Clipped to the one box, the image is copied row by row; under the
    // region's many boxes it would go through the clip's spans, pixel by pixel.
    painter.setClipRect(box);
    painter.drawImage(box, shown_, box);
  }
}

void BattlefieldWindow::showEvent(QShowEvent*) {
  if (!x11Put_) {
    x11Put_ = X11BoxPut::forWindow(*this, shown_);
    if (x11Put_) windowHandle()->installEventFilter(this);
  }
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
}

// The keys' key-ups now go to another window.
void BattlefieldWindow::focusOutEvent(QFocusEvent*) {
  seam_.releaseArrows();
  heldReleases_.settleAll();
}

void BattlefieldWindow::mousePressEvent(QMouseEvent* event) {
  const qt_input::MouseArgs a = qt_input::buttonChange(*event);
  seam_.Form_MouseDown(a.button, a.x, a.y);
}

void BattlefieldWindow::mouseMoveEvent(QMouseEvent* event) {
  const qt_input::MouseArgs a = qt_input::pointerMove(*event);
  seam_.Form_MouseMove(a.button, a.x, a.y);
}

void BattlefieldWindow::mouseReleaseEvent(QMouseEvent* event) {
  const qt_input::MouseArgs a = qt_input::buttonChange(*event);
  seam_.Form_MouseUp(a.button, a.x, a.y);
}

// A held key repeats its key-down and its typed character, as the handlers expect.
void BattlefieldWindow::keyPressEvent(QKeyEvent* event) {
  const std::optional<Integer> keyCode = qt_input::keyCode(*event);
  if (keyCode) seam_.Form_KeyDown(*keyCode);
  if (const std::optional<Integer> keyAscii = qt_input::keyAscii(*event))
    seam_.Form_KeyPress(*keyAscii);
  repaintDamage();  // Enter clears the battlefield even while the timer is off
  if (keyCode) heldReleases_.pressed(*keyCode);
}

void BattlefieldWindow::keyReleaseEvent(QKeyEvent* event) {
  // A marked release is half of an auto-repeat pair: the key is still down.
  if (event->isAutoRepeat()) return;
  if (const std::optional<Integer> keyCode = qt_input::keyCode(*event)) heldReleases_.released(*keyCode);
}

void BattlefieldWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  seam_.end(ReplayEntry::Ending::Closed);
  QCoreApplication::exit(0);
}
