// The floor the Windows edition is measured against: a borderless window of
// the battlefield's size at the monitor's scale, whose timer is the game's own
// (a 25 ms waitable timer) and whose tick does nothing, so it never paints
// after it is first shown. scripts/measure_play.sh runs it beside the game.
#include "windows/win32.h"

#include "drawing/canvas.h"
#include "windows/battlefield_window.h"
#include "windows/dpi.h"
#include "windows/tick_timer.h"
#include "windows/windows_error.h"

namespace {

LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
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
    if (woke == WAIT_OBJECT_0) tick.takeTick();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
