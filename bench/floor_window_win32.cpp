// The floors the Windows edition is measured against: a borderless window of
// the battlefield's size at the monitor's scale, whose timer is the game's own
// (a 25 ms waitable timer). Plain, its tick does nothing, so it never paints
// after it is first shown. Given --paint, each tick turns one tile of the
// damage grid from white to black or back and paints it, as the window shows
// a tick: what showing anything at all each tick costs under Wine.
// scripts/measure_play.sh runs both beside the game.
#include "windows/win32.h"

#include <cstdio>
#include <string_view>

#include "drawing/canvas.h"
#include "windows/battlefield_window.h"
#include "windows/dpi.h"
#include "windows/tick_timer.h"
#include "windows/windows_error.h"

namespace {

bool black = false;  // the tile, as the last tick left it

RECT tileOf(HWND hwnd) {
  const int side = dpi_scaling::scaled(Damage::kTile, static_cast<int>(GetDpiForWindow(hwnd)));
  return {0, 0, side, side};
}

LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd, &paint);
      FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      const RECT tile = tileOf(hwnd);
      if (black) FillRect(dc, &tile, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_CLOSE: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool paints = argc == 2 && std::string_view(argv[1]) == "--paint";
  if (argc > 1 && !paints) {
    std::fputs("usage: floor_window [--paint]\n", stderr);
    return 2;
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = floorProc;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  c.lpszClassName = L"Brassmoor.Floor";
  mustSucceed(RegisterClassExW(&c), "register the floor's window class");
  const HWND hwnd = mustSucceed(CreateWindowExW(WS_EX_APPWINDOW, c.lpszClassName, L"Brassmoor floor", WS_POPUP, 0, 0, 0, 0,
                                            nullptr, nullptr, instance, nullptr),
                            "create the floor window");
  const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
  SetWindowPos(hwnd, nullptr, 0, 0, dpi_scaling::scaled(Canvas::kWidth, dpi), dpi_scaling::scaled(Canvas::kHeight, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd, SW_SHOW);

  TickTimer tick(kTickInterval);
  tick.setEnabled(true);
  const HANDLE due = tick.signal();
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &due, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_FAILED) throw WindowsError("wait for the next event");
    if (woke == WAIT_OBJECT_0) {
      tick.takeTick();
      if (paints) {
        black = !black;
        const RECT tile = tileOf(hwnd);
        InvalidateRect(hwnd, &tile, FALSE);
      }
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
