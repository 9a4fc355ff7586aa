// The window repaints only what each tick drew, and still shows exactly the
// canvas: read back from the window's own backing store, pixel for pixel, at
// whatever scale QT_SCALE_FACTOR gives (nearest-neighbour).
#include <gtest/gtest.h>

#include <QBackingStore>
#include <QTest>

#include "desktop/canvas_image.h"
#include "ui_support.h"

namespace {

constexpr int kTicks = 300;
constexpr int kNextLevelAt = 200;  // a level start among the partial repaints

// What the window system was last given: the backing store's own image, in
// device pixels. QWidget::grab() would paint the whole window afresh and so
// could not tell a missing repaint.
QImage shownOnScreen(BattlefieldWindow& frm) {
  const auto* image = dynamic_cast<const QImage*>(frm.backingStore()->paintDevice());
  return image ? image->copy() : QImage();
}

}  // namespace

TEST(RepaintTest, AfterHundredsOfPartialRepaintsTheWindowShowsExactlyTheCanvas) {
  PlayerWindow w;
  w.frm.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.frm));
  Game& g = w.game;
  g.enemyCount = 50;  // 51 tanks from the first level: shells and hits soon
  g.Form_MouseMove(0, 361, 325);
  g.Form_MouseDown(1, 361, 325);
  bool shells = false, hits = false;
  for (int tick = 1; tick <= kTicks; ++tick) {
    if (tick == kNextLevelAt) w.frm.setTag("1");
    timerFires(w.frm);
    QCoreApplication::processEvents();
    for (int s = 0; s <= MAX_TANK; ++s) shells = shells || g.shellState[s] >= 2, hits = hits || g.tankState[s] == 1;
  }
  ASSERT_TRUE(shells && hits) << "shells flew and hit";
  ASSERT_GE(g.losses, 2) << "a level start came";
  // No tick draws from now on, and what the last ones drew reaches the backing store.
  w.frm.setTimerEnabled(false);
  QCoreApplication::sendPostedEvents(&w.frm, QEvent::UpdateRequest);

  const QImage canvas = canvasImage(w.frm.picture());
  const QImage shown = shownOnScreen(w.frm);
  const qreal scale = w.frm.devicePixelRatioF();
  EXPECT_EQ(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
  ASSERT_EQ(shown.size(), canvas.size() * scale);
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      differing += shown.pixel(x, y) != canvas.pixel(static_cast<int>(x / scale), static_cast<int>(y / scale));
    }
  }
  EXPECT_EQ(differing, 0);
}
