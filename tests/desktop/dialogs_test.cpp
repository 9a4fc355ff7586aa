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

#include "support/seam_lines.h"
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
  const dialog_layout::Dialog& layout;
};

const DialogRow kDialogs[] = {{Qt::Key_Escape, "frm_winlose", dialog_layout::kResult},
                              {Qt::Key_F1, "frm_help", dialog_layout::kHelp}};

QString captionOf(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  return qobject_cast<const QPushButton*>(control)->text();
}

// A font at which most captions outgrow their boxes, in width and height,
// the widest score as well; and one at which every caption fits its box.
constexpr int kLargePoints = 24;
constexpr int kSmallPoints = 7;

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

// At the offscreen platform's font the help's last line is wider than its
// box, which grows just wide enough; at a small font every box, and so each
// dialog's size, is the table's.
TEST(DialogsTest, EachControlSitsInItsBoxGrownJustToFitWithItsCaption) {
  for (const int points : {QApplication::font().pointSize(), kSmallPoints}) {
    const DesktopFont font(points);
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
    if (points != kSmallPoints) continue;
    for (const DialogRow& d : kDialogs)
      EXPECT_EQ(topLevel(d.name)->size(), QSize(d.layout.clientWidth, d.layout.clientHeight)) << d.name;
  }
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
    EXPECT_EQ(dialog->windowTitle().toStdString(), c.layout.title);
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

TEST(DialogsTest, EveryShowingPutsTheFocusOnTheFirstButtonAndTabGoesThroughTheButtonsInTheirOrder) {
  PlayerWindow w;
  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  QStringList visited{focusName()};
  for (int step = 0; step < 3; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focusName();
  }
  EXPECT_EQ(visited, QStringList({"btn_quit", "Command1", "Command2", "btn_quit"}));

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(&w.frm, Qt::Key_Escape);  // hidden with the focus on Back
  ASSERT_NE(open(w, Qt::Key_Escape, "frm_winlose"), nullptr);
  EXPECT_EQ(focusName(), "btn_quit") << "shown again";
  ASSERT_NE(open(w, Qt::Key_F1, "frm_help"), nullptr);
  EXPECT_EQ(focusName(), "Command1");
}

// No button is the default, which Enter would press wherever the focus is.
TEST(DialogsTest, EnterAndSpacePressTheFocusedButton) {
  const struct {
    Qt::Key opens;
    const char* dialog;
    int tabs;
    Qt::Key press;
    const char* pressed;  // the last line the seam records, past its tick
  } cases[] = {{Qt::Key_Escape, "frm_winlose", 1, Qt::Key_Return, " back\n"},
               {Qt::Key_Escape, "frm_winlose", 2, Qt::Key_Space, " next\n"},
               {Qt::Key_F1, "frm_help", 0, Qt::Key_Enter, " close\n"},  // the keypad's Enter
               {Qt::Key_Escape, "frm_winlose", 0, Qt::Key_Space, " end quit\n"}};
  for (const auto& c : cases) {
    PlayerWindow w;
    const SeamLines lines(w.frm.seam());
    ASSERT_NE(open(w, c.opens, c.dialog), nullptr) << c.dialog;
    for (int tab = 0; tab < c.tabs; ++tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), c.press);
    EXPECT_TRUE(lines.since().ends_with(c.pressed)) << c.pressed << " after:\n" << lines.since();
  }
}

// Whichever way it goes, not to another program's window; the title bar's
// close only hides it, and the game stays paused.
TEST(DialogsTest, AHiddenDialogGivesTheKeysBackToTheBattlefield) {
  const struct {
    Qt::Key key;
    const char* dialog;
    const char* button;  // none: the title bar's close
  } cases[] = {{Qt::Key_Escape, "frm_winlose", "Command1"},
               {Qt::Key_Escape, "frm_winlose", nullptr},
               {Qt::Key_F1, "frm_help", "Command1"},
               {Qt::Key_F1, "frm_help", nullptr}};
  for (const auto& c : cases) {
    PlayerWindow w;
    QWidget* dialog = open(w, c.key, c.dialog);
    ASSERT_NE(dialog, nullptr) << c.dialog;
    if (c.button) {
      QTest::keyClick(control<QPushButton>(c.dialog, c.button), Qt::Key_Space);
    } else {
      dialog->close();
    }
    const std::string how = std::string(c.dialog) + " " + (c.button ? c.button : "close");
    EXPECT_FALSE(dialog->isVisible()) << how;
    EXPECT_EQ(w.frm.timerEnabled(), c.button != nullptr) << how;
    EXPECT_TRUE(becomesActive(&w.frm)) << how;
    EXPECT_TRUE(w.frm.hasFocus()) << how;
  }
}

TEST(DialogsTest, EscInsideADialogDoesNothing) {
  for (const DialogRow& d : kDialogs) {
    PlayerWindow w;
    const QWidget* dialog = open(w, d.key, d.name);
    ASSERT_NE(dialog, nullptr) << d.name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << d.name;
    EXPECT_FALSE(w.frm.timerEnabled()) << d.name;
  }
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
