// The battlefield's mouse, sent as Qt mouse events: the aim point, the fire
// trigger and the right-button pick.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "support/offscreen_game.h"
#include "ui_support.h"

namespace {

void movePointer(BattlefieldWindow& frm, QPointF to) {
  QMouseEvent move(QEvent::MouseMove, to, frm.mapToGlobal(to), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frm, &move);
}

constexpr int kUntouched = 5;
const QPoint kPointer(300, 300);

// Right-clicks at (300, 300) and gives the target of every slot.
std::vector<int> targetsAfterRightClick(PlayerWindow& w) {
  for (int s = 0; s <= MAX_TANK; ++s) w.game.tankTarget[s] = kUntouched;
  QTest::mouseClick(&w.frm, Qt::RightButton, {}, kPointer);
  std::vector<int> targets;
  for (int s = 0; s <= MAX_TANK; ++s) targets.push_back(w.game.tankTarget[s].value());
  return targets;
}

std::vector<int> everySlotTargets(int slot) { return std::vector<int>(MAX_TANK + 1, slot); }

}  // namespace

TEST(MouseTest, TheAimFollowsThePointerWithNoButtonHeld) {
  PlayerWindow w;
  w.frm.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.frm));
  QTest::mouseMove(&w.frm, QPoint(100, 200));
  EXPECT_EQ(w.game.mouseX, 100);
  EXPECT_EQ(w.game.mouseY, 200);
  QTest::mouseMove(&w.frm, QPoint(0, 650));
  EXPECT_EQ(w.game.mouseX, 0);
  EXPECT_EQ(w.game.mouseY, 650);
}

TEST(MouseTest, ThePointerRoundsToTheNearestPixelWithTiesToEven) {
  PlayerWindow w;
  struct Case {
    QPointF pointer;
    int x, y;
  } const cases[] = {
      {{2.5, 3.5}, 2, 4},
      {{0.5, 1.5}, 0, 2},
      {{-0.5, 722.5}, 0, 722},
      {{100.49, 100.51}, 100, 101},
  };
  for (const Case& c : cases) {
    movePointer(w.frm, c.pointer);
    EXPECT_EQ(w.game.mouseX, c.x) << c.pointer.x();
    EXPECT_EQ(w.game.mouseY, c.y) << c.pointer.y();
  }
}

TEST(MouseTest, APointerBeyondTheIntegerRangeEndsItsHandlerAndTheGameRunsOn) {
  PlayerWindow w;
  movePointer(w.frm, {10, 20});
  testing::internal::CaptureStderr();
  movePointer(w.frm, {40000, 30});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "brassmoor: run-time error in Form_MouseMove: Overflow\n");
  EXPECT_EQ(w.game.mouseX, 10);
  EXPECT_EQ(w.game.mouseY, 20) << "the handler ended at the fault";
  movePointer(w.frm, {40, 50});
  EXPECT_EQ(w.game.mouseX, 40);
}

TEST(MouseTest, TheLeftButtonHeldFiresAndTheReleaseOfAnyButtonStops) {
  PlayerWindow w;
  QTest::mousePress(&w.frm, Qt::LeftButton);
  EXPECT_EQ(w.game.fireHeld, -1);
  QTest::mousePress(&w.frm, Qt::RightButton);
  QTest::mouseRelease(&w.frm, Qt::RightButton);
  EXPECT_EQ(w.game.fireHeld, 0) << "the right button's release, with the left still held";

  QTest::mousePress(&w.frm, Qt::MiddleButton);
  EXPECT_EQ(w.game.fireHeld, 0) << "only the left button fires";
  w.game.fireHeld = -1;
  QTest::mouseRelease(&w.frm, Qt::MiddleButton);
  EXPECT_EQ(w.game.fireHeld, 0);
}

TEST(MouseTest, TheRightClickPicksOnlyWhileThePlayerIsDestroyed) {
  PlayerWindow w;
  putTank(w.game, 0, {100, 100});
  putTank(w.game, 3, {305, 295});
  EXPECT_EQ(targetsAfterRightClick(w), everySlotTargets(kUntouched)) << "the player lives";

  w.game.tankState[0] = 0;
  EXPECT_EQ(targetsAfterRightClick(w), everySlotTargets(3));
}

TEST(MouseTest, ATankExactly20PixelsAwayIsNotPicked) {
  for (const QPointF tank : {QPointF(320, 300), QPointF(280, 300), QPointF(300, 320), QPointF(300, 280)}) {
    PlayerWindow w;
    putTank(w.game, 3, {tank.x(), tank.y()});
    EXPECT_EQ(targetsAfterRightClick(w), everySlotTargets(kUntouched)) << tank.x() << ", " << tank.y();
    w.game.tankX[3] = (tank.x() + kPointer.x()) / 2;
    w.game.tankY[3] = (tank.y() + kPointer.y()) / 2;
    EXPECT_EQ(targetsAfterRightClick(w), everySlotTargets(3)) << "halfway";
  }
}

TEST(MouseTest, WithTwoLiveTanksInsideEverySlotTakesTheHigherOne) {
  PlayerWindow w;
  putTank(w.game, 4, {290, 310});
  putTank(w.game, 9, {315, 285});
  putTank(w.game, 12, {301, 301});
  w.game.tankState[12] = 0;  // a wreck inside is passed over
  putTank(w.game, 20, {330, 300});  // outside
  EXPECT_EQ(targetsAfterRightClick(w), everySlotTargets(9));
}
