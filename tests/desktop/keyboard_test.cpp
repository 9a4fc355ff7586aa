// The battlefield's keys, sent as Qt key events: Esc and the result dialog with
// its buttons, F1 and the help dialog, P, and Enter.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/colours.h"
#include "desktop/canvas_image.h"
#include "ui_support.h"

namespace {

constexpr int kPlayer = 0;
// A whole tick period and more: a tick would have come by then if the timer ran.
constexpr int kSeveralTicks = 4 * static_cast<int>(kTickInterval.count());

QString caption(const char* dialog, const char* label) { return control<QLabel>(dialog, label)->text(); }

bool shown(const char* dialog) {
  const QWidget* w = topLevel(dialog);
  return w && w->isVisible();
}

void pressArrows(BattlefieldWindow& frm) {
  for (const Qt::Key arrow : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) QTest::keyPress(&frm, arrow);
}

std::vector<int> arrowFlags(const Game& game) {
  return {game.keyLeft.value(), game.keyUp.value(), game.keyRight.value(), game.keyDown.value()};
}

int pixelsOf(const Surface& battlefield, Colour colour) {
  int count = 0;
  for (int y = 0; y < Canvas::kHeight; ++y)
    for (int x = 0; x < Canvas::kWidth; ++x) count += battlefield.Point(x, y) == colour;
  return count;
}

const std::vector<int> kAllHeld{-1, -1, -1, -1};
const std::vector<int> kNoneHeld{0, 0, 0, 0};

}  // namespace

TEST(KeyboardTest, EscBeforeTheFirstTickShowsNoWinsAndMinusOneLossesAndEscAgainResumes) {
  PlayerWindow w;
  EXPECT_EQ(topLevel("frm_winlose"), nullptr) << "created on first reference only";

  QTest::keyClick(&w.frm, Qt::Key_Escape);
  ASSERT_TRUE(shown("frm_winlose"));
  EXPECT_EQ(caption("frm_winlose", "Label3"), "0");
  EXPECT_EQ(caption("frm_winlose", "Label4"), "-1");
  EXPECT_FALSE(w.frm.timerEnabled());

  QTest::keyClick(&w.frm, Qt::Key_Escape);
  EXPECT_FALSE(shown("frm_winlose"));
  EXPECT_TRUE(w.frm.timerEnabled());
}

TEST(KeyboardTest, TheResultDialogShowsTheCountsAsTheyAreAtEachOpening) {
  PlayerWindow w;
  const QWidget* first = nullptr;
  for (const auto& [wins, losses, shownLosses] : {std::tuple{3, 5, "4"}, {12, 1, "0"}, {40, 0, "-1"}}) {
    w.game.wins = wins;
    w.game.losses = losses;
    QTest::keyClick(&w.frm, Qt::Key_Escape);
    EXPECT_EQ(caption("frm_winlose", "Label3"), QString::number(wins));
    EXPECT_EQ(caption("frm_winlose", "Label4"), shownLosses);
    QTest::keyClick(&w.frm, Qt::Key_Escape);
    if (!first) first = topLevel("frm_winlose");
    EXPECT_EQ(topLevel("frm_winlose"), first) << "shown and hidden, never made again";
  }
}

TEST(KeyboardTest, OpeningEitherDialogClearsTheArrowFlags) {
  for (const Qt::Key dialogKey : {Qt::Key_Escape, Qt::Key_F1}) {
    PlayerWindow w;  // never shown, so no focus change clears the flags for it
    pressArrows(w.frm);
    ASSERT_EQ(arrowFlags(w.game), kAllHeld);
    QTest::keyClick(&w.frm, dialogKey);
    EXPECT_EQ(arrowFlags(w.game), kNoneHeld) << dialogKey;
  }
}

TEST(KeyboardTest, BackResumesWhereTheGameStoppedWithNoTickWhileTheDialogWasShown) {
  PlayerWindow w;
  timerFires(w.frm);  // the first level
  ASSERT_EQ(w.game.losses, 1);
  const Double x = w.game.tankX[kPlayer], y = w.game.tankY[kPlayer];

  QTest::keyClick(&w.frm, Qt::Key_Escape);
  const TickWatch watch(w.game);
  QTest::qWait(kSeveralTicks);
  EXPECT_FALSE(watch.ticked());

  QTest::mouseClick(control<QPushButton>("frm_winlose", "Command1"), Qt::LeftButton);
  EXPECT_FALSE(shown("frm_winlose"));
  EXPECT_TRUE(w.frm.timerEnabled());
  EXPECT_FALSE(watch.ticked()) << "the next tick comes at the timer's period";
  EXPECT_EQ(w.game.tankX[kPlayer], x);
  EXPECT_EQ(w.game.tankY[kPlayer], y);
  EXPECT_TRUE(QTest::qWaitFor([&] { return watch.ticked(); }, kPatience));
}

TEST(KeyboardTest, NextLevelClearsEveryTankAtTheNextTickAndTheLevelStartCountsALoss) {
  PlayerWindow w;
  timerFires(w.frm);
  ASSERT_EQ(w.game.losses, 1);
  const int level = w.game.enemyCount.value();

  QTest::keyClick(&w.frm, Qt::Key_Escape);
  QTest::mouseClick(control<QPushButton>("frm_winlose", "Command2"), Qt::LeftButton);
  EXPECT_EQ(w.frm.Tag(), "1");
  EXPECT_TRUE(w.frm.timerEnabled());
  EXPECT_FALSE(shown("frm_winlose"));

  // The walk still finds the level's tanks, so this tick only clears them.
  timerFires(w.frm);
  EXPECT_EQ(w.game.aliveCount, level + 1);
  EXPECT_EQ(w.frm.Tag(), "0");
  for (int s = 0; s <= MAX_TANK; ++s) EXPECT_EQ(w.game.tankState[s], 0) << "slot " << s;
  EXPECT_EQ(w.game.losses, 1);

  timerFires(w.frm);
  EXPECT_EQ(w.game.losses, 2);
  EXPECT_EQ(w.game.tankState[kPlayer], 2);
}

TEST(KeyboardTest, QuitCallsForTheEndWithStatusZero) {
  PlayerWindow w;
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  QTest::mouseClick(control<QPushButton>("frm_winlose", "btn_quit"), Qt::LeftButton);
  EXPECT_EQ(w.exits, std::vector<int>{0});
}

TEST(KeyboardTest, TheRealQuitEndsTheProcessAtOnceWithStatusZero) {
  EXPECT_EXIT(
      {
        BattlefieldWindow frm;
        QTest::keyClick(&frm, Qt::Key_Escape);
        QTest::mouseClick(control<QPushButton>("frm_winlose", "btn_quit"), Qt::LeftButton);
        std::abort();  // not reached
      },
      testing::ExitedWithCode(0), "");
}

TEST(KeyboardTest, F1TogglesHelpAndCloseResumes) {
  PlayerWindow w;
  QTest::keyClick(&w.frm, Qt::Key_F1);
  EXPECT_TRUE(shown("frm_help"));
  EXPECT_FALSE(w.frm.timerEnabled());
  QTest::keyClick(&w.frm, Qt::Key_F1);
  EXPECT_FALSE(shown("frm_help"));
  EXPECT_TRUE(w.frm.timerEnabled());

  QTest::keyClick(&w.frm, Qt::Key_F1);
  QTest::mouseClick(control<QPushButton>("frm_help", "Command1"), Qt::LeftButton);
  EXPECT_FALSE(shown("frm_help"));
  EXPECT_TRUE(w.frm.timerEnabled());
}

TEST(KeyboardTest, EachToggleLooksOnlyAtItsOwnDialogAndPOnlyAtTheTimer) {
  PlayerWindow w;
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  QTest::keyClick(&w.frm, Qt::Key_F1);
  QTest::keyClick(&w.frm, Qt::Key_F1);
  EXPECT_TRUE(shown("frm_winlose"));
  EXPECT_TRUE(w.frm.timerEnabled()) << "closing help resumes behind the open result dialog";

  QTest::keyClick(&w.frm, 'p');
  EXPECT_FALSE(w.frm.timerEnabled());
  QTest::keyClick(&w.frm, 'P');
  EXPECT_TRUE(w.frm.timerEnabled());
  EXPECT_TRUE(shown("frm_winlose"));
}

TEST(KeyboardTest, PTogglesTheTimerAndNothingElseWhileTheHandlersWorkOn) {
  PlayerWindow w;
  timerFires(w.frm);
  QTest::keyPress(&w.frm, Qt::Key_Up);
  QTest::mousePress(&w.frm, Qt::LeftButton, {}, QPoint(100, 120));
  const QImage before = canvasImage(w.frm.picture()).copy();

  for (const char pause : {'p', 'P', 'p'}) QTest::keyClick(&w.frm, pause);
  EXPECT_FALSE(w.frm.timerEnabled());
  EXPECT_EQ(w.game.keyUp, -1);
  EXPECT_EQ(w.game.fireHeld, -1);
  EXPECT_EQ(canvasImage(w.frm.picture()), before);
  EXPECT_EQ(topLevel("frm_winlose"), nullptr);
  EXPECT_EQ(topLevel("frm_help"), nullptr);

  // Paused, the arrows and the aim still follow the player.
  QTest::keyPress(&w.frm, Qt::Key_Down);
  QTest::mouseRelease(&w.frm, Qt::LeftButton, {}, QPoint(200, 220));
  EXPECT_EQ(w.game.keyDown, -1);
  EXPECT_EQ(w.game.fireHeld, 0);
}

TEST(KeyboardTest, EnterClearsTheBattlefieldAndOnlyTheLiveTanksComeBackAtTheNextTick) {
  PlayerWindow w;
  timerFires(w.frm);  // the level starts with a clear battlefield
  timerFires(w.frm);  // and the tanks are drawn
  Surface& battlefield = w.frm.canvas();
  battlefield.Line(10, 10, 60, 10, kHitGrey);  // a wreck's mark
  ASSERT_GT(pixelsOf(battlefield, kPlayerBlue), 0);
  QTest::keyClick(&w.frm, 'p');

  QTest::keyClick(&w.frm, Qt::Key_Return);
  EXPECT_EQ(pixelsOf(battlefield, kWhite), Canvas::kWidth * Canvas::kHeight) << "paused, Enter still clears";

  QTest::keyClick(&w.frm, 'p');
  timerFires(w.frm);
  EXPECT_EQ(battlefield.Point(30, 10), kWhite);
  EXPECT_GT(pixelsOf(battlefield, kPlayerBlue), 0);
}
