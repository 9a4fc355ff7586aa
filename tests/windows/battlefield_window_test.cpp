// The battlefield window on Windows (its size, frame and place are the
// end-to-end test's): its window messages reach the game's handlers in the
// game's codes; losing the focus lets go of the arrows; the dialogs are owned
// by it, behave as dialogs and hand the keys back to it; after ticks that put only their damage on the
// screen, the window shows exactly the canvas.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <vector>

#include "core/colours.h"
#include "replay/replay_format.h"
#include "windows/battlefield_window.h"
#include "windows/dpi.h"

namespace {

struct Recorded {
  std::optional<int> exitStatus;
};

// A battlefield whose Quit records its status instead of ending the tests.
struct Battlefield {
  Battlefield() : frm([this](int status) { quit.exitStatus = status; }) {}
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(frm.hwnd(), message, wParam, lParam);
  }
  Recorded quit;
  BattlefieldWindow frm;
  World& world() { return frm.game(); }
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

}  // namespace

TEST(BattlefieldWindowTest, WindowMessagesReachTheHandlersInTheGamesCodes) {
  struct Case {
    const char* what;
    std::vector<std::function<void(Battlefield&)>> messages;
    std::function<bool(Battlefield&)> holds;
  } const cases[] = {
      {"each arrow down and up",
       {[](Battlefield& b) { for (WPARAM k : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) b.send(WM_KEYDOWN, k); },
        [](Battlefield& b) { b.send(WM_KEYUP, VK_UP); }},
       [](Battlefield& b) { World& w = b.world(); return w.keyLeft == -1 && w.keyUp == 0 && w.keyRight == -1 && w.keyDown == -1; }},
      {"an arrow with Alt held", {[](Battlefield& b) { b.send(WM_SYSKEYDOWN, VK_LEFT); }},
       [](Battlefield& b) { return b.world().keyLeft == -1; }},
      {"losing the focus lets go of the arrows",
       {[](Battlefield& b) { for (WPARAM k : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) b.send(WM_KEYDOWN, k); },
        [](Battlefield& b) { b.send(WM_KILLFOCUS); }},
       [](Battlefield& b) { World& w = b.world(); return w.keyLeft == 0 && w.keyUp == 0 && w.keyRight == 0 && w.keyDown == 0; }},
      {"P pauses and p resumes, through the typed character", {[](Battlefield& b) { b.send(WM_KEYDOWN, 'P'); b.send(WM_CHAR, 'P'); }},
       [](Battlefield& b) { const bool paused = !b.frm.timerEnabled(); b.send(WM_CHAR, 'p'); return paused && b.frm.timerEnabled(); }},
      {"Enter clears the battlefield",
       {[](Battlefield& b) { b.frm.canvas().Line(10, 10, 300, 300, kTankBlack); b.send(WM_CHAR, VK_RETURN); }},
       [](Battlefield& b) { return b.frm.canvas().Point(100, 100) == kWhite; }},
      {"the pointer, in battlefield pixels, beyond the window too",
       {[](Battlefield& b) { b.send(WM_MOUSEMOVE, 0, at(300, 200)); }, [](Battlefield& b) { b.send(WM_MOUSEMOVE, MK_LBUTTON, at(-5, -7)); }},
       [](Battlefield& b) { return b.world().mouseX == -5 && b.world().mouseY == -7; }},
      {"the left button held fires and captures the mouse", {[](Battlefield& b) { b.send(WM_LBUTTONDOWN, MK_LBUTTON, at(50, 60)); }},
       [](Battlefield& b) { return b.world().fireHeld == -1 && GetCapture() == b.frm.hwnd(); }},
      {"any release stops the fire; the capture lasts while a button is held",
       {[](Battlefield& b) { b.send(WM_LBUTTONDOWN, MK_LBUTTON, at(50, 60)); b.send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, at(50, 60)); },
        [](Battlefield& b) { b.send(WM_RBUTTONUP, MK_LBUTTON, at(50, 60)); }},
       [](Battlefield& b) {
         const bool held = b.world().fireHeld == 0 && GetCapture() == b.frm.hwnd();
         b.send(WM_LBUTTONUP, 0, at(50, 60));
         return held && GetCapture() == nullptr;
       }},
      {"Esc shows the result and F1 the help, each stopping the timer",
       {[](Battlefield& b) { b.send(WM_CHAR, VK_ESCAPE); }, [](Battlefield& b) { b.send(WM_KEYDOWN, VK_F1); }},
       [](Battlefield& b) { return b.frm.frm_winlose().Visible() && b.frm.frm_help().Visible() && !b.frm.timerEnabled(); }},
  };
  for (const Case& c : cases) {
    Battlefield b;
    for (const auto& message : c.messages) message(b);
    EXPECT_TRUE(c.holds(b)) << c.what;
  }
}

TEST(BattlefieldWindowTest, TheDialogsAreOwnedByItAndOnlyTheirButtonsRunHandlers) {
  Battlefield b;
  b.send(WM_CHAR, VK_ESCAPE);
  auto& result = dynamic_cast<DialogWindow&>(b.frm.frm_winlose());
  EXPECT_EQ(GetWindow(result.hwnd(), GW_OWNER), b.frm.hwnd()) << "so it stays above the battlefield";
  EXPECT_EQ(GetFocus(), button(result, L"Quit")) << "the first button takes the focus";

  pressInDialog(b.frm, GetFocus(), VK_ESCAPE);
  EXPECT_TRUE(result.shown()) << "Esc does nothing in a dialog";
  SendMessageW(result.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(result.shown()) << "the close button hides it";
  EXPECT_FALSE(b.frm.timerEnabled()) << "and runs no handler";

  b.send(WM_CHAR, VK_ESCAPE);
  SetFocus(button(result, L"Back"));
  pressInDialog(b.frm, GetFocus(), VK_RETURN);
  EXPECT_TRUE(!result.shown() && b.frm.timerEnabled()) << "Enter presses the button with the focus: Back";

  b.send(WM_CHAR, VK_ESCAPE);
  SetFocus(button(result, L"Next level"));
  pressInDialog(b.frm, GetFocus(), VK_SPACE);
  EXPECT_TRUE(!result.shown() && b.frm.timerEnabled() && b.frm.Tag() == "1") << "Space presses it too: Next level";

  b.send(WM_CHAR, VK_ESCAPE);
  EXPECT_EQ(GetFocus(), button(result, L"Quit")) << "every showing starts on the first button, not on Next level";
  pressInDialog(b.frm, GetFocus(), VK_SPACE);
  EXPECT_EQ(b.quit.exitStatus, 0) << "Quit ends the game with status 0";
}

TEST(BattlefieldWindowTest, TheHandlersTheDialogsClicksAndQuitAreRecordedThroughTheSeam) {
  Battlefield b;
  std::ostringstream out;
  ReplayWriter writer(out, "2026-12-08T00:00:00Z");
  b.frm.seam().record(writer);
  b.send(WM_MOUSEMOVE, 0, at(300, 200));
  b.send(WM_CHAR, VK_ESCAPE);
  auto& result = dynamic_cast<DialogWindow&>(b.frm.frm_winlose());
  click(result, L"Back");
  b.send(WM_CHAR, VK_ESCAPE);
  click(result, L"Quit");
  const std::string text = out.str();
  EXPECT_NE(text.find("\nmove 300 200\n1 key 27\n1 back\n1 key 27\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\n0 end quit\n")) << "before the process ends";
  EXPECT_EQ(b.quit.exitStatus, 0);
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
  EXPECT_TRUE(b.world().mouseX == 0 && b.world().fireHeld == 0);

  b.frm.game().Form_KeyPress(27);  // the replay's Esc
  auto& result = dynamic_cast<DialogWindow&>(b.frm.frm_winlose());
  click(result, L"Back");
  EXPECT_TRUE(result.shown()) << "the player's click does not reach the game";
  EXPECT_FALSE(b.frm.timerEnabled());
  ASSERT_EQ(WaitForSingleObject(b.frm.tickSignal(), 1000), WAIT_OBJECT_0) << "the window's timer runs on";
  b.frm.timerDue();
  EXPECT_EQ(watcher.periods, 1);
}

TEST(BattlefieldWindowTest, AHiddenDialogHandsTheKeysBackToTheBattlefield) {
  const struct {
    bool help;              // F1's dialog, or Esc's
    const wchar_t* button;  // none: the title bar's close
  } cases[] = {{false, L"Back"}, {true, L"Close"}, {true, nullptr}};
  for (const auto& c : cases) {
    Battlefield b;
    b.frm.show();
    b.send(c.help ? WM_KEYDOWN : WM_CHAR, c.help ? VK_F1 : VK_ESCAPE);
    HelpDialog& shown = c.help ? b.frm.frm_help() : b.frm.frm_winlose();
    auto& dialog = dynamic_cast<DialogWindow&>(shown);
    ASSERT_EQ(GetForegroundWindow(), dialog.hwnd());
    if (c.button) {
      pressInDialog(b.frm, button(dialog, c.button), VK_SPACE);
    } else {
      SendMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    ASSERT_FALSE(dialog.shown());
    EXPECT_EQ(GetForegroundWindow(), b.frm.hwnd()) << (c.button ? "a button" : "the title bar's close");
    EXPECT_EQ(GetFocus(), b.frm.hwnd());
  }
}

TEST(BattlefieldWindowTest, AfterTicksThatShowOnlyTheirDamageTheWindowShowsTheCanvas) {
  Battlefield b;
  b.frm.show();
  UpdateWindow(b.frm.hwnd());
  for (int tick = 1; tick <= 300; ++tick) {
    b.frm.timerDue();
    if (tick == 150) b.send(WM_CHAR, VK_RETURN);
    UpdateWindow(b.frm.hwnd());
  }
  const int width = Canvas::kWidth, height = Canvas::kHeight;
  ASSERT_EQ(GetDpiForWindow(b.frm.hwnd()), static_cast<UINT>(dpi_scaling::kBase));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC window = GetDC(b.frm.hwnd()), copy = CreateCompatibleDC(window);
  const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, window, 0, 0, SRCCOPY);
  GdiFlush();
  int differing = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Colour c = b.frm.canvas().Point(static_cast<Single>(x), static_cast<Single>(y));
      const DWORD expected = static_cast<DWORD>((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
      differing += (static_cast<const DWORD*>(bits)[y * width + x] & 0xFFFFFF) != expected;
    }
  }
  EXPECT_EQ(differing, 0);
  DeleteDC(copy);
  DeleteObject(bitmap);
  ReleaseDC(b.frm.hwnd(), window);
}
