// The window's glue: each Qt key, mouse event and dialog click reaches the
// game's handler with the game's code, as its seam records it. What the
// handlers then do is the game's, tested there.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "support/seam_lines.h"
#include "ui_support.h"

namespace {

void click(const char* dialog, const char* button) {
  QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

}  // namespace

TEST(HandlersTest, EachEventReachesItsHandlerWithTheGamesCode) {
  expectEachRecorded<PlayerWindow>({
      {"the arrows and F1",
       [](PlayerWindow& w) {
         for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_F1})
           QTest::keyPress(&w.frm, key);
       },
       "keydown 37\n1 keydown 38\n1 keydown 39\n1 keydown 40\n1 keydown 112\n"},
      {"Esc, P, p and Enter as characters",
       [](PlayerWindow& w) {
         for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_P, Qt::Key_Return}) QTest::keyClick(&w.frm, key);
         QTest::keyClick(&w.frm, 'P');
       },
       "key 27\n1 key 112\n1 key 13\n1 key 80\n"},
      {"a key the game does not use", [](PlayerWindow& w) { QTest::keyClick(&w.frm, Qt::Key_Home); }, ""},
      {"the buttons down and up",
       [](PlayerWindow& w) {
         for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton})
           QTest::mouseClick(&w.frm, b, {}, QPoint(100, 120));
       },
       "down 1 100 120\n1 up 1 100 120\n1 down 2 100 120\n1 up 2 100 120\n"
       "1 down 4 100 120\n1 up 4 100 120\n1 down 0 100 120\n1 up 0 100 120\n"},
      {"a move adds up the held buttons, in battlefield pixels beyond the window too",
       [](PlayerWindow& w) {
         movePointer(w.frm, {2.5, 3.25});
         movePointer(w.frm, {-5, 700}, Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
       },
       "move 2.5 3.25\n1 move 7 -5 700\n"},
      {"the result's Back and Next level",
       [](PlayerWindow& w) {
         QTest::keyClick(&w.frm, Qt::Key_Escape);
         click("frm_winlose", "Command1");
         QTest::keyClick(&w.frm, Qt::Key_Escape);
         click("frm_winlose", "Command2");
       },
       "key 27\n1 back\n1 key 27\n1 next\n"},
      {"the help's Close",
       [](PlayerWindow& w) {
         QTest::keyClick(&w.frm, Qt::Key_F1);
         click("frm_help", "Command1");
       },
       "keydown 112\n1 close\n"},
      {"the title bars' close",
       [](PlayerWindow& w) {
         QTest::keyClick(&w.frm, Qt::Key_Escape);
         topLevel("frm_winlose")->close();
         QTest::keyClick(&w.frm, Qt::Key_F1);
         topLevel("frm_help")->close();
       },
       "key 27\n1 hideresult\n1 keydown 112\n1 hidehelp\n"},
      {"Quit", [](PlayerWindow& w) {
         QTest::keyClick(&w.frm, Qt::Key_Escape);
         click("frm_winlose", "btn_quit");
       },
       "key 27\n0 end quit\n"},
  });
}

TEST(HandlersTest, APointerBeyondTheIntegerRangeEndsItsHandlerAndTheGameRunsOn) {
  PlayerWindow w;
  movePointer(w.frm, {10, 20});
  testing::internal::CaptureStderr();
  movePointer(w.frm, {40000, 30});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "brassmoor: run-time error in Form_MouseMove: Overflow\n");
  EXPECT_EQ(w.game.mouseY, 20) << "the handler ended at the fault";
  movePointer(w.frm, {40, 50});
  EXPECT_EQ(w.game.mouseX, 40);
}
