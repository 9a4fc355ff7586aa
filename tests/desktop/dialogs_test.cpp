// The result and help dialogs as windows: their controls from the game's
// table, measured in the desktop's font, small and large; their focus and
// keys, the keys back to the battlefield when they hide, and the title bar's close.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/dialog_layout.h"
#include "ui_support.h"

namespace {

struct ControlRow {
  std::string dialog, name, caption;
  QRect box;
};

// Every control of both dialogs, as the game tables them.
const std::vector<ControlRow> kControls = [] {
  std::vector<ControlRow> rows;
  for (const dialog_layout::Dialog* d : {&dialog_layout::kResult, &dialog_layout::kHelp})
    for (const dialog_layout::Control& c : d->controls)
      rows.push_back({std::string(d->name), std::string(c.name), std::string(c.caption),
                      QRect(c.box.left, c.box.top, c.box.width, c.box.height)});
  return rows;
}();

struct DialogRow {
  Qt::Key key;
  const char* name;
  const char* title;
  QSize client;
};

const DialogRow kDialogs[] = {{Qt::Key_Escape, "frm_winlose", "Result", {213, 112}},
                              {Qt::Key_F1, "frm_help", "Help", {305, 175}}};

QString captionOf(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  return qobject_cast<const QPushButton*>(control)->text();
}

// A font at which most captions outgrow their boxes, in width and height,
// the widest score as well.
constexpr int kLargePoints = 24;

// The desktop's font, for the dialogs made while it lives.
struct DesktopFont {
  explicit DesktopFont(int points) {
    QFont font = saved;
    font.setPointSize(points);
    QApplication::setFont(font);
  }
  ~DesktopFont() { QApplication::setFont(saved); }
  const QFont saved = QApplication::font();
};

// Where a control draws its caption: a label inside its frame, a button inside its bevel.
QRect roomOf(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->contentsRect();
  QStyleOptionButton option;
  option.initFrom(control);
  return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control);
}

// A label's caption takes one line; a button's, too wide for `width`, a line a word.
struct Caption {
  qreal widest;
  int lines;
};

Caption laidOut(const QWidget* control, int width) {
  const QFontMetricsF metrics(control->font());
  const QString caption = captionOf(control);
  if (qobject_cast<const QLabel*>(control) || metrics.horizontalAdvance(caption) <= width)
    return {metrics.horizontalAdvance(caption), 1};
  const QStringList words = caption.split(' ');
  qreal widest = 0;
  for (const QString& word : words) widest = std::max(widest, metrics.horizontalAdvance(word));
  return {widest, int(words.size())};
}

void expectWholeCaption(const QWidget* control, const char* dialog) {
  const QRect room = roomOf(control);
  const Caption caption = laidOut(control, room.width());
  EXPECT_LE(caption.widest, room.width()) << dialog << "." << control->objectName().toStdString();
  EXPECT_LE(caption.lines * QFontMetricsF(control->font()).height(), room.height())
      << dialog << "." << control->objectName().toStdString();
}

void openBoth(PlayerWindow& w) {
  for (const DialogRow& d : kDialogs) QTest::keyClick(&w.frm, d.key);
}

bool becomesActive(QWidget* window) {
  return QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, kPatience);
}

// Opens a dialog by its key, pressed on the battlefield with the focus as in
// play, and waits until the dialog has the focus. Not qWaitForWindowActive:
// Qt counts a dialog active as soon as any window of its battlefield is.
QWidget* open(PlayerWindow& w, Qt::Key key, const char* dialog) {
  w.frm.show();
  w.frm.activateWindow();
  if (!becomesActive(&w.frm)) return nullptr;
  QTest::keyClick(&w.frm, key);
  QWidget* shown = topLevel(dialog);
  return shown && becomesActive(shown) ? shown : nullptr;
}

QString focusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QString();
}

// Rows of the image holding caption ink, gathered into runs of touching rows.
int textLines(const QImage& image) {
  constexpr int kInk = 100;  // grey level below which a pixel is text, not bevel
  int lines = 0;
  bool inLine = false;
  for (int y = 0; y < image.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < image.width(); ++x) ink = ink || qGray(image.pixel(x, y)) < kInk;
    lines += ink && !inLine;
    inLine = ink;
  }
  return lines;
}

}  // namespace

// At the offscreen platform's font the help's last line is wider than its box.
TEST(DialogsTest, EachControlSitsInItsBoxWithItsCaption) {
  PlayerWindow w;
  openBoth(w);
  for (const ControlRow& row : kControls) {
    const QWidget* c = control<QWidget>(row.dialog.c_str(), row.name.c_str());
    ASSERT_NE(c, nullptr) << row.dialog << "." << row.name;
    const QRect room = roomOf(c);
    QRect justWideEnough = row.box;
    justWideEnough.setWidth(std::max(row.box.width(),
                                     int(std::ceil(laidOut(c, room.width()).widest)) + c->width() - room.width()));
    EXPECT_EQ(c->geometry(), justWideEnough) << row.dialog << "." << row.name;
    // The result's numbers show the score, not their tabled captions.
    const bool score = row.dialog == "frm_winlose" && (row.name == "Label3" || row.name == "Label4");
    if (!score) {
      EXPECT_EQ(captionOf(c).toStdString(), row.caption) << row.dialog << "." << row.name;
    }
  }
}

TEST(DialogsTest, AtASmallFontTheDialogsKeepTheirTabledLayout) {
  constexpr int kSmallPoints = 7;
  const DesktopFont small(kSmallPoints);
  PlayerWindow w;
  openBoth(w);
  for (const ControlRow& row : kControls)
    EXPECT_EQ(control<QWidget>(row.dialog.c_str(), row.name.c_str())->geometry(), row.box) << row.dialog << "." << row.name;
  for (const DialogRow& d : kDialogs) EXPECT_EQ(topLevel(d.name)->size(), d.client) << d.name;
}

// How the grown boxes sit together is the caption fit's; here, that Qt's
// measure of each caption is what the fit is given, at the first showing and
// after a score wider than its label.
TEST(DialogsTest, AtALargeFontEveryCaptionShowsWholeTheNewScoresToo) {
  const DesktopFont large(kLargePoints);
  PlayerWindow w;
  openBoth(w);
  const int narrowScore = control<QLabel>("frm_winlose", "Label3")->width();
  QTest::keyClick(&w.frm, Qt::Key_Escape);  // away, and back with a new score
  w.game.wins = 32767;
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  EXPECT_GT(control<QLabel>("frm_winlose", "Label3")->width(), narrowScore);
  for (const ControlRow& row : kControls)
    expectWholeCaption(control<QWidget>(row.dialog.c_str(), row.name.c_str()), row.dialog.c_str());
}

// Its size is the tabled one at a small font, and grown at a large one: above.
// At the offscreen platform's font the help is grown already.
TEST(DialogsTest, EachDialogIsAFixedTitledWindowWithOnlyACloseControlCentredOnTheScreen) {
  for (const DialogRow& c : kDialogs) {
    PlayerWindow w;
    QTest::keyClick(&w.frm, c.key);
    const QWidget* dialog = topLevel(c.name);
    ASSERT_NE(dialog, nullptr) << c.name;
    EXPECT_EQ(dialog->windowTitle(), c.title);
    EXPECT_EQ(dialog->minimumSize(), dialog->size()) << "not resizable";
    EXPECT_EQ(dialog->maximumSize(), dialog->size()) << "not resizable";
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(dialog->isModal());
    const QPointF offCentre = QRectF(dialog->frameGeometry()).center() - QRectF(dialog->screen()->geometry()).center();
    EXPECT_LE(std::abs(offCentre.x()), 1.0) << c.name;
    EXPECT_LE(std::abs(offCentre.y()), 1.0) << c.name;
  }
}

// The window manager may have minimised a dialog, or made it full-screen, when
// its key hides it: its next showing brings it back normal and with the focus.
TEST(DialogsTest, EveryShowingBringsTheDialogBackNormalAndActiveWhateverStateItWasHiddenIn) {
  for (const DialogRow& d : kDialogs) {
    for (const Qt::WindowState left : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
      PlayerWindow w;
      QWidget* dialog = open(w, d.key, d.name);
      ASSERT_NE(dialog, nullptr) << d.name;
      dialog->setWindowState(left);
      QTest::keyClick(&w.frm, d.key);
      ASSERT_FALSE(dialog->isVisible()) << d.name;

      EXPECT_EQ(open(w, d.key, d.name), dialog) << d.name << " active, after " << left;
      EXPECT_EQ(dialog->windowState() & ~Qt::WindowActive, Qt::WindowNoState) << d.name << " after " << left;
    }
  }
}

TEST(DialogsTest, TheFocusStartsOnTheFirstButtonAndTabGoesThroughTheButtonsInTheirOrder) {
  PlayerWindow w;
  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  QStringList visited{focusName()};
  for (int step = 0; step < 3; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focusName();
  }
  EXPECT_EQ(visited, QStringList({"btn_quit", "Command1", "Command2", "btn_quit"}));

  ASSERT_NE(open(w, Qt::Key_F1, "frm_help"), nullptr);
  EXPECT_EQ(focusName(), "Command1");
}

TEST(DialogsTest, EnterAndSpacePressTheFocusedButtonAndNoButtonIsTheDefault) {
  PlayerWindow w;
  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // onto Back
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(topLevel("frm_winlose")->isVisible()) << "Back";
  EXPECT_TRUE(w.frm.timerEnabled());
  EXPECT_TRUE(w.exits.empty()) << "Quit is no default";

  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // onto Next level
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(w.frm.Tag(), "1");
  EXPECT_FALSE(topLevel("frm_winlose")->isVisible());

  ASSERT_NE(open(w, Qt::Key_F1, "frm_help"), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);  // the keypad's
  EXPECT_FALSE(topLevel("frm_help")->isVisible());
  EXPECT_TRUE(w.frm.timerEnabled());

  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  EXPECT_EQ(focusName(), "btn_quit") << "every showing starts on the first button, not on Next level";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(w.exits, std::vector<int>{0});
}

// Whichever way it goes, not to another program's window.
TEST(DialogsTest, AHiddenDialogGivesTheKeysBackToTheBattlefield) {
  const struct {
    Qt::Key key;
    const char* dialog;
    const char* button;  // none: the title bar's close
  } cases[] = {{Qt::Key_Escape, "frm_winlose", "Command1"}, {Qt::Key_F1, "frm_help", "Command1"}, {Qt::Key_F1, "frm_help", nullptr}};
  for (const auto& c : cases) {
    PlayerWindow w;
    QWidget* dialog = open(w, c.key, c.dialog);
    ASSERT_NE(dialog, nullptr) << c.dialog;
    if (c.button) {
      QTest::keyClick(control<QPushButton>(c.dialog, c.button), Qt::Key_Space);
    } else {
      dialog->close();
    }
    EXPECT_TRUE(becomesActive(&w.frm)) << c.dialog << " " << (c.button ? c.button : "close");
    EXPECT_TRUE(w.frm.hasFocus()) << c.dialog;
  }
}

TEST(DialogsTest, EscInsideADialogDoesNothing) {
  for (const auto& [key, name] : {std::pair{Qt::Key_Escape, "frm_winlose"}, {Qt::Key_F1, "frm_help"}}) {
    PlayerWindow w;
    const QWidget* dialog = open(w, key, name);
    ASSERT_NE(dialog, nullptr) << name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << name;
    EXPECT_FALSE(w.frm.timerEnabled()) << name;
  }
}

TEST(DialogsTest, TheTitleBarCloseOnlyHidesTheDialogAndTheGameStaysPaused) {
  PlayerWindow w;
  for (const auto& [key, name] : {std::pair{Qt::Key_Escape, "frm_winlose"}, {Qt::Key_F1, "frm_help"}}) {
    QTest::keyClick(&w.frm, key);
    QWidget* dialog = topLevel(name);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible()) << name;
    EXPECT_FALSE(w.frm.timerEnabled()) << name;
    EXPECT_EQ(w.frm.Tag(), "0");
  }

  w.game.wins = 7;
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  EXPECT_TRUE(topLevel("frm_winlose")->isVisible()) << "it comes back";
  EXPECT_EQ(control<QLabel>("frm_winlose", "Label3")->text(), "7");
}

TEST(DialogsTest, NextLevelWrapsOntoTwoLinesInItsNarrowButton) {
  PlayerWindow w;
  QTest::keyClick(&w.frm, Qt::Key_Escape);
  auto* next = control<QPushButton>("frm_winlose", "Command2");
  auto* back = control<QPushButton>("frm_winlose", "Command1");
  const QImage nextImage = next->grab().toImage();
  EXPECT_EQ(textLines(nextImage), 2);
  EXPECT_EQ(textLines(back->grab().toImage()), 1);
}
