// The battlefield window on Windows (its size, frame and place are the
// end-to-end test's): its window messages reach the game's seam in the game's
// codes; the dialogs are owned by it, behave as dialogs and hand the keys back
// to it; a change of the monitor's scale resizes it where Windows suggests;
// and at any scale, after ticks that put only their damage on the screen and
// a key that clears the battlefield while the game is paused, the window
// shows exactly the canvas, in its true colours and upright.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/colours.h"
#include "support/seam_lines.h"
#include "windows/battlefield_window.h"
#include "windows/scaled_picture.h"

namespace {

// A battlefield whose Quit records its status instead of ending the tests.
struct Battlefield {
  Battlefield() : frm([this](int status) { exitStatus = status; }) {}
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(frm.hwnd(), message, wParam, lParam);
  }
  std::optional<int> exitStatus;
  BattlefieldWindow frm;
};

LPARAM at(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// A key as the message loop hands it to a shown dialog, through the dialog manager.
void pressInDialog(BattlefieldWindow& frm, HWND focus, WPARAM key) {
  for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    MSG msg{focus, message, key, 0, 0, {}};
    if (!frm.isDialogMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

HWND button(const DialogWindow& dialog, const wchar_t* caption) { return FindWindowExW(dialog.hwnd(), nullptr, L"Button", caption); }

// A click as the dialog's button sends it, past the message loop.
void click(const DialogWindow& dialog, const wchar_t* caption) {
  const HWND b = button(dialog, caption);
  SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), reinterpret_cast<LPARAM>(b));
}

struct Watcher final : BattlefieldWindow::Watcher {
  void period() override { ++periods; }
  void keyPressed(Integer virtualKey) override { keys.push_back(virtualKey.value()); }
  int periods = 0;
  std::vector<int> keys;
};

// How many of the window's device pixels do not show the battlefield pixel
// under them in its true colour.
int pixelsAmiss(BattlefieldWindow& frm, int dpi, int width, int height) {
  const auto& canvas = dynamic_cast<const Canvas&>(frm.canvas());
  const ScaledPicture scale(canvas, dpi);
  // A top-down 32-bit DIB: each pixel reads 0x00RRGGBB.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC window = GetDC(frm.hwnd()), copy = CreateCompatibleDC(window);
  const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, window, 0, 0, SRCCOPY);
  GdiFlush();
  int amiss = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Colour p = canvas.Point(static_cast<Single>(scale.fieldPixel(x)), static_cast<Single>(scale.fieldPixel(y)));
      const DWORD expected = static_cast<DWORD>((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF));
      amiss += (static_cast<const DWORD*>(bits)[y * width + x] & 0xFFFFFF) != expected;
    }
  }
  DeleteDC(copy);
  DeleteObject(bitmap);
  ReleaseDC(frm.hwnd(), window);
  return amiss;
}

}  // namespace

TEST(BattlefieldWindowTest, EachMessageReachesItsHandlerWithTheGamesCode) {
  expectEachRecorded<Battlefield>({
      {"the arrows down and up, with Alt held too",
       [](Battlefield& b) {
         for (const WPARAM k : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) b.send(WM_KEYDOWN, k);
         b.send(WM_KEYUP, VK_UP);
         b.send(WM_SYSKEYDOWN, VK_LEFT);
       },
       "keydown 37\n1 keydown 38\n1 keydown 39\n1 keydown 40\n1 keyup 38\n1 keydown 37\n"},
      {"losing the focus lets go of the arrows", [](Battlefield& b) { b.send(WM_KILLFOCUS); },
       "keyup 37\n1 keyup 38\n1 keyup 39\n1 keyup 40\n"},
      {"F1 down, and Esc, P, p and Enter as characters",
       [](Battlefield& b) {
         b.send(WM_KEYDOWN, VK_F1);
         for (const WPARAM c : {WPARAM{VK_ESCAPE}, WPARAM{'P'}, WPARAM{'p'}, WPARAM{VK_RETURN}}) b.send(WM_CHAR, c);
       },
       "keydown 112\n1 key 27\n1 key 80\n1 key 112\n1 key 13\n"},
      {"the pointer, in battlefield pixels beyond the window too, and the buttons",
       [](Battlefield& b) {
         b.send(WM_MOUSEMOVE, 0, at(300, 200));
         b.send(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, at(-5, -7));
         b.send(WM_LBUTTONDOWN, MK_LBUTTON, at(50, 60));
         b.send(WM_RBUTTONUP, MK_LBUTTON, at(50, 60));
       },
       "move 300 200\n1 move 3 -5 -7\n1 down 1 50 60\n1 up 2 50 60\n"},
  });
}

// A drag beyond the window goes on aiming, and its release still arrives.
TEST(BattlefieldWindowTest, TheMouseIsCapturedWhileAnyButtonIsHeld) {
  Battlefield b;
  b.send(WM_LBUTTONDOWN, MK_LBUTTON, at(50, 60));
  b.send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, at(50, 60));
  b.send(WM_RBUTTONUP, MK_LBUTTON, at(50, 60));
  EXPECT_EQ(GetCapture(), b.frm.hwnd());
  b.send(WM_LBUTTONUP, 0, at(50, 60));
  EXPECT_EQ(GetCapture(), nullptr);
}

// Each way out of a dialog: whether it is left shown, the handler the seam
// records reaching (what the handler does is the game's test), and the keys
// back on the battlefield once it has gone.
TEST(BattlefieldWindowTest, TheDialogsAreOwnedByItAndOnlyTheirButtonsRunHandlers) {
  const struct {
    const char* what;
    bool help;              // F1's dialog, or Esc's
    const wchar_t* button;  // given the focus and pressed with the key; none: the title bar's close
    WPARAM key;
    bool shown;
    std::optional<int> exitStatus;
    const char* recorded;
  } cases[] = {
      {"Esc does nothing in a dialog", false, L"Quit", VK_ESCAPE, true, {}, ""},
      {"the close button only hides it", false, nullptr, 0, false, {}, "hideresult\n"},
      {"Enter presses the button with the focus", false, L"Back", VK_RETURN, false, {}, "back\n"},
      {"Space presses it too", false, L"Next level", VK_SPACE, false, {}, "next\n"},
      {"Quit ends the game with status 0", false, L"Quit", VK_SPACE, true, 0, "0 end quit\n"},
      {"the help's Close", true, L"Close", VK_SPACE, false, {}, "close\n"},
      {"the help's close button", true, nullptr, 0, false, {}, "hidehelp\n"},
  };
  for (const auto& c : cases) {
    Battlefield b;
    b.frm.show();
    const auto open = [&] { b.send(c.help ? WM_KEYDOWN : WM_CHAR, c.help ? VK_F1 : VK_ESCAPE); };
    open();
    HelpDialog& shown = c.help ? b.frm.frm_help() : b.frm.frm_winlose();
    auto& dialog = dynamic_cast<DialogWindow&>(shown);
    const HWND first = button(dialog, c.help ? L"Close" : L"Quit");
    EXPECT_EQ(GetWindow(dialog.hwnd(), GW_OWNER), b.frm.hwnd()) << "so it stays above the battlefield";
    ASSERT_EQ(GetForegroundWindow(), dialog.hwnd()) << c.what;
    EXPECT_EQ(GetFocus(), first) << c.what << ": the first button takes the focus";
    const SeamLines lines(b.frm.seam());
    if (c.button) {
      SetFocus(button(dialog, c.button));
      pressInDialog(b.frm, GetFocus(), c.key);
    } else {
      SendMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EXPECT_EQ(dialog.shown(), c.shown) << c.what;
    EXPECT_EQ(b.exitStatus, c.exitStatus) << c.what;
    EXPECT_EQ(lines.since(), c.recorded) << c.what;
    if (c.shown) continue;
    EXPECT_EQ(GetForegroundWindow(), b.frm.hwnd()) << c.what << ": the keys back on the battlefield";
    EXPECT_EQ(GetFocus(), b.frm.hwnd()) << c.what;
    open();
    EXPECT_EQ(GetFocus(), first) << c.what << ": every showing starts on the first button";
  }
}

TEST(BattlefieldWindowTest, WhileAReplayIsWatchedThePlayersKeysGoToTheWatcherAndNothingToTheGame) {
  Battlefield b;
  Watcher watcher;
  b.frm.watch(watcher);
  for (const UINT message : {WM_KEYDOWN, WM_CHAR, WM_KEYUP}) {
    EXPECT_TRUE(b.frm.heldFromGame(MSG{b.frm.hwnd(), message, VK_ESCAPE, 0, 0, {}})) << "held from the dialogs too";
  }
  b.send(WM_MOUSEMOVE, 0, at(300, 200));
  b.send(WM_LBUTTONDOWN, MK_LBUTTON, at(300, 200));
  EXPECT_EQ(watcher.keys, std::vector<int>{VK_ESCAPE});
  EXPECT_TRUE(b.frm.game().mouseX == 0 && b.frm.game().fireHeld == 0);

  b.frm.game().Form_KeyPress(27);  // the replay's Esc
  auto& result = dynamic_cast<DialogWindow&>(b.frm.frm_winlose());
  click(result, L"Back");
  EXPECT_TRUE(result.shown()) << "the player's click does not reach the game";
  EXPECT_FALSE(b.frm.timerEnabled());
  ASSERT_EQ(WaitForSingleObject(b.frm.tickSignal(), 1000), WAIT_OBJECT_0) << "the window's timer runs on";
  b.frm.timerDue();
  EXPECT_EQ(watcher.periods, 1);
}

// Dragged onto a monitor of another scale, the window takes the size of
// that scale at the place Windows suggests, the pointer still reaches the
// battlefield pixel under it, and after ticks that put only their damage on
// the screen, and again after the key that clears it, each device pixel
// shows its battlefield pixel's true colour.
TEST(BattlefieldWindowTest, AtEachScaleTheWindowSitsWhereWindowsSuggestsAndShowsTheCanvas) {
  struct Case {
    int dpi, width, height, pointerX, pointerY;  // device pixels
    const char* recorded;
  } const cases[] = {{144, 1085, 977, 151, 76, "move 100 50\n"},
                     {120, 904, 814, 125, 63, "move 100 50\n"},
                     {96, 723, 651, 200, 100, "move 200 100\n"}};
  Battlefield b;
  b.frm.show();
  const SeamLines lines(b.frm.seam());
  for (const Case& c : cases) {
    const RECT suggested{40, 30, 140, 130};  // its place; the size is the window's own
    b.send(WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&suggested));
    const RECT expected{40, 30, 40 + c.width, 30 + c.height};
    RECT shown;
    GetWindowRect(b.frm.hwnd(), &shown);
    EXPECT_TRUE(EqualRect(&shown, &expected)) << c.dpi << " DPI: " << shown.left << ", " << shown.top << ", "
                                               << shown.right << ", " << shown.bottom;
    b.send(WM_MOUSEMOVE, 0, at(c.pointerX, c.pointerY));
    EXPECT_TRUE(lines.since().ends_with(c.recorded)) << c.dpi << " DPI: " << lines.since();

    UpdateWindow(b.frm.hwnd());
    for (int tick = 1; tick <= 150; ++tick) {
      b.frm.timerDue();
      UpdateWindow(b.frm.hwnd());
    }
    EXPECT_EQ(pixelsAmiss(b.frm, c.dpi, c.width, c.height), 0) << c.dpi << " DPI, after the ticks";
    // With the timer off no tick shows the clearing: the key itself must.
    b.send(WM_CHAR, 'p');
    b.send(WM_CHAR, VK_RETURN);
    b.send(WM_CHAR, 'p');
    UpdateWindow(b.frm.hwnd());
    EXPECT_EQ(pixelsAmiss(b.frm, c.dpi, c.width, c.height), 0) << c.dpi << " DPI, after Enter";
  }
}
