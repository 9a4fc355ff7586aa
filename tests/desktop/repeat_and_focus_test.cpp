// Held arrow keys through X11's auto-repeat pairs, and the keyboard focus.
#include <gtest/gtest.h>

#include <QTest>

#include "ui_support.h"

namespace {

// Half of a repeat pair that Qt marks as auto-repeat.
void markedRepeat(BattlefieldWindow& frm, bool press, Qt::Key key) {
  QTest::simulateEvent(&frm, press, key, Qt::NoModifier, QString(), true);
}

}  // namespace

TEST(RepeatAndFocusTest, AHeldArrowKeepsItsFlagThroughMarkedAndUnmarkedRepeatPairs) {
  PlayerWindow w;
  QTest::keyPress(&w.frm, Qt::Key_Up);
  for (int pair = 0; pair < 30; ++pair) {
    if (pair % 4 == 0) {  // a pair Qt did not recognise
      QTest::keyRelease(&w.frm, Qt::Key_Up);
      EXPECT_EQ(w.game.keyUp, -1) << "pair " << pair;
      QTest::keyPress(&w.frm, Qt::Key_Up);
    } else {
      markedRepeat(w.frm, false, Qt::Key_Up);
      EXPECT_EQ(w.game.keyUp, -1) << "pair " << pair;
      markedRepeat(w.frm, true, Qt::Key_Up);
    }
    EXPECT_EQ(w.game.keyUp, -1) << "pair " << pair;
  }
  QTest::qWait(kSettled);
  EXPECT_EQ(w.game.keyUp, -1);

  QTest::keyRelease(&w.frm, Qt::Key_Up);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game.keyUp == 0; }, kPatience));
}

// The timer's tick goes through the hold-back (whose pairs are its own
// test's): a tick due while a release is held back runs after it, unless the
// game was paused meanwhile.
TEST(RepeatAndFocusTest, ATickDueDuringAHeldBackReleaseRunsAfterItUnlessTheGameWasPausedMeanwhile) {
  for (const bool paused : {false, true}) {
    PlayerWindow w;
    QTest::keyPress(&w.frm, Qt::Key_Left);
    QTest::keyRelease(&w.frm, Qt::Key_Left);
    const TickWatch watch(w.game);
    timerFires(w.frm);
    EXPECT_FALSE(watch.ticked()) << "paused " << paused;
    if (paused) QTest::keyClick(&w.frm, 'p');
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.game.keyLeft == 0; }, kPatience)) << "paused " << paused;
    EXPECT_EQ(watch.ticked(), !paused);
  }
}

TEST(RepeatAndFocusTest, TheBattlefieldTakesTheFocusWhenItFirstAppears) {
  PlayerWindow w;
  w.frm.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.frm));
  EXPECT_TRUE(w.frm.hasFocus());
}

TEST(RepeatAndFocusTest, LosingTheFocusToAnotherWindowCountsTheArrowsAsReleased) {
  PlayerWindow w;
  w.frm.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.frm));
  QTest::keyPress(&w.frm, Qt::Key_Up);
  QTest::keyPress(&w.frm, Qt::Key_Left);
  QTest::keyPress(&w.frm, Qt::Key_Down);
  QTest::keyRelease(&w.frm, Qt::Key_Down);  // still held back
  w.game.fireHeld = -1;

  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  EXPECT_FALSE(w.frm.hasFocus());
  EXPECT_EQ(w.game.keyUp, 0);
  EXPECT_EQ(w.game.keyLeft, 0);
  EXPECT_EQ(w.game.keyDown, 0);
  EXPECT_EQ(w.game.fireHeld, -1);
}
