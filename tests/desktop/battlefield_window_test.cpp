// The battlefield window, offscreen: its fixed properties, its first ticks and its close.
#include <gtest/gtest.h>

#include <QTest>

#include "core/colours.h"
#include "desktop/battlefield_window.h"

TEST(BattlefieldWindowTest, IsAFramelessFixedSizeWindowTitledBrassmoor) {
  BattlefieldWindow frm;
  EXPECT_EQ(frm.objectName(), "frm");
  EXPECT_EQ(frm.windowTitle(), "Brassmoor");
  EXPECT_TRUE(frm.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(frm.size(), QSize(723, 651));
  EXPECT_EQ(frm.minimumSize(), frm.maximumSize());
}

TEST(BattlefieldWindowTest, TheFirstTicksStartALevelAndShowTheTanks) {
  BattlefieldWindow frm;
  frm.show();
  EXPECT_EQ(frm.game().losses, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frm.game().losses == 1 && frm.game().aliveCount > 0; }, 2000));

  const QImage shown = frm.grab().toImage();
  bool blue = false;
  for (int y = 0; y < shown.height() && !blue; ++y)
    for (int x = 0; x < shown.width() && !blue; ++x) blue = shown.pixel(x, y) == qRgb(0, 0, 150);
  EXPECT_TRUE(blue) << "the player's tank is on the screen";
}

TEST(BattlefieldWindowTest, ClosingTheBattlefieldEndsTheEventLoopWithStatusZeroEvenWithADialogShown) {
  BattlefieldWindow frm;
  frm.show();
  frm.game().Form_KeyPress(27);  // Esc shows the result dialog, a second top-level window
  ASSERT_TRUE(frm.frm_winlose().Visible());

  QTimer watchdog;  // ends a loop that would otherwise run on forever
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(5000);
  QTimer::singleShot(0, &frm, &QWidget::close);
  EXPECT_EQ(QApplication::exec(), 0);
}
