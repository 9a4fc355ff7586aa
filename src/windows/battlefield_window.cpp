#include "windows/battlefield_window.h"

#include <windowsx.h>

#include <vector>

#include "core/errors.h"
#include "ui/input_codes.h"
#include "windows/picture_blit.h"
#include "windows/resources.h"
#include "windows/win32_input.h"
#include "windows/windows_error.h"

namespace {

constexpr wchar_t kWindowClass[] = L"Brassmoor.Battlefield";
constexpr wchar_t kTitle[] = L"Brassmoor";

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

HICON icon(int metricX, int metricY) {
  return static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(BRASSMOOR_ICON), IMAGE_ICON,
                                       GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

// Registered once for every battlefield the process makes.
const wchar_t* windowClass(WNDPROC windowProc) {
  static const ATOM registered = [windowProc] {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = windowProc;
    c.hInstance = instance();
    c.hIcon = icon(SM_CXICON, SM_CYICON);
    c.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kWindowClass;  // no background brush: the picture covers every pixel
    return mustSucceed(RegisterClassExW(&c), "register the battlefield's window class");
  }();
  return MAKEINTATOM(registered);
}

// The window's device context, for drawing outside WM_PAINT.
struct WindowDc {
  explicit WindowDc(HWND hwnd) : hwnd(hwnd), dc(mustSucceed(GetDC(hwnd), "draw on the battlefield")) {}
  ~WindowDc() { ReleaseDC(hwnd, dc); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HWND hwnd;
  HDC dc;
};

// Virtual-key codes are 1 .. 254.
constexpr WPARAM kLastVirtualKey = 0xFE;

bool isButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_XBUTTONDOWN;
}

}  // namespace

BattlefieldWindow::BattlefieldWindow(ProcessExit exitProcess, RandomSource random)
    : random_(std::move(random)),
      exitProcess_(std::move(exitProcess)),
      // The recording ends before the process does, at once.
      resultDialog_([this] {
        return std::make_unique<ResultDialogWindow>(hwnd_, playerClicks(resultClicks(seam_, [this] { exitProcess_(kQuitStatus); })));
      }),
      helpDialog_([this] { return std::make_unique<HelpDialogWindow>(hwnd_, playerClicks(helpClicks(seam_))); }) {
  // A borderless popup; WS_EX_APPWINDOW gives it its button on the taskbar.
  mustSucceed(CreateWindowExW(WS_EX_APPWINDOW, windowClass(windowProc), kTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          instance(), this),
          "create the battlefield window");
  fitTo(static_cast<int>(GetDpiForWindow(hwnd_)), nullptr);
  tmr.setEnabled(true);
}

BattlefieldWindow::~BattlefieldWindow() {
  // The dialogs first: destroying their owner would take them with it.
  helpDialog_.destroy();
  resultDialog_.destroy();
  DestroyWindow(hwnd_);
}

bool BattlefieldWindow::timerEnabled() const { return watcher_ ? gameTimer_ : tmr.enabled(); }

void BattlefieldWindow::setTimerEnabled(bool enabled) {
  if (watcher_) {
    gameTimer_ = enabled;
  } else {
    tmr.setEnabled(enabled);
  }
}

ResultDialog& BattlefieldWindow::frm_winlose() { return *resultDialog_; }
HelpDialog& BattlefieldWindow::frm_help() { return *helpDialog_; }

// A click that a modal loop (a message box's) passes on while a replay is
// watched still does not reach the game.
DialogClicks BattlefieldWindow::playerClicks(DialogClicks clicks) {
  for (auto& [name, click] : clicks) {
    click = [this, click = std::move(click)] {
      if (!watcher_) click();
    };
  }
  return clicks;
}

void BattlefieldWindow::show() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void BattlefieldWindow::watch(Watcher& watcher) {
  gameTimer_ = tmr.enabled();
  watcher_ = &watcher;
  tmr.setEnabled(true);
}

void BattlefieldWindow::runTick() {
  seam_.tmr_Timer();
}

void BattlefieldWindow::timerDue() {
  if (!tmr.takeTick()) return;
  if (watcher_) {
    watcher_->period();  // it shows the battlefield before its title tells the tick
    return;
  }
  runTick();
  showDamage();
}

bool BattlefieldWindow::isDialogMessage(MSG& message) {
  return (resultDialog_.created() && resultDialog_->isDialogMessage(message)) ||
         (helpDialog_.created() && helpDialog_->isDialogMessage(message));
}

// A dialog's title bar is held too: its close button would hide the dialog
// behind the game's back.
bool BattlefieldWindow::heldFromGame(const MSG& message) {
  if (!watcher_) return false;
  const UINT m = message.message;
  const bool key = m >= WM_KEYFIRST && m <= WM_KEYLAST;
  const bool click = (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCLBUTTONDOWN && m <= WM_NCXBUTTONDBLCLK);
  if (m == WM_KEYDOWN && message.wParam <= kLastVirtualKey) watcher_->keyPressed(static_cast<int>(message.wParam));
  return key || click;
}

LRESULT CALLBACK BattlefieldWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<BattlefieldWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<BattlefieldWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->onMessage(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT BattlefieldWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (heldFromGame(MSG{hwnd_, message, wParam, lParam, 0, {}})) return 0;
  switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the picture covers every pixel
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: mouse(message, wParam, lParam); return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP: mouse(message, wParam, lParam); return TRUE;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (key(message, wParam)) return 0;
      break;  // Alt+F4 and the like are the system's
    case WM_CHAR:
      if (const std::optional<Integer> keyAscii = win32_input::keyAscii(wParam))
        seam_.Form_KeyPress(*keyAscii);
      showDamage();  // Enter clears the battlefield even while the timer is off
      return 0;
    case WM_KILLFOCUS:
      if (!watcher_) seam_.releaseArrows();  // their key-ups now go to another window
      return 0;
    case WM_DPICHANGED: fitTo(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_CLOSE:  // the window system closing the battlefield ends the game, dialogs and all
      seam_.end(ReplayEntry::Ending::Closed);
      PostQuitMessage(kQuitStatus);
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// While a button is held the mouse is captured, so a drag beyond the window
// goes on aiming and its release still arrives.
void BattlefieldWindow::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto x = static_cast<Single>(screen_.fieldPixel(GET_X_LPARAM(lParam)));
  const auto y = static_cast<Single>(screen_.fieldPixel(GET_Y_LPARAM(lParam)));
  if (message == WM_MOUSEMOVE) {
    const Integer held = win32_input::buttonsHeld(wParam);
    seam_.Form_MouseMove(held, x, y);
    return;
  }
  const Integer button = *win32_input::buttonChange(message);
  if (isButtonDown(message)) {
    SetCapture(hwnd_);
    seam_.Form_MouseDown(button, x, y);
  } else {
    if (!win32_input::anyButtonHeld(wParam)) ReleaseCapture();
    seam_.Form_MouseUp(button, x, y);
  }
}

// Windows repeats a held key's WM_KEYDOWN and sends no false releases, so
// each message goes straight to its handler. With Alt held the same keys come
// as system keys; the game does not look at Alt.
bool BattlefieldWindow::key(UINT message, WPARAM wParam) {
  const std::optional<Integer> keyCode = win32_input::keyCode(wParam);
  if (!keyCode) return false;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    seam_.Form_KeyDown(*keyCode);
  } else {
    seam_.Form_KeyUp(*keyCode);
  }
  return true;
}

// The battlefield at the scale of its monitor: at start-up centred on the
// work area, after a change of scale where Windows suggests.
void BattlefieldWindow::fitTo(int dpi, const RECT* suggested) {
  screen_.setDpi(dpi);
  const int width = screen_.width(), height = screen_.height();
  int left, top;
  if (suggested) {
    left = suggested->left;
    top = suggested->top;
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    left = work.left + (work.right - work.left - width) / 2;
    top = work.top + (work.bottom - work.top - height) / 2;
  }
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// At once, each damaged box straight onto the window.
void BattlefieldWindow::showDamage() {
  const std::vector<PixelRect>& damage = screen_.refresh(picture().takeDamage());
  if (damage.empty()) return;
  runHandler("repaint", [&] {
    const WindowDc window(hwnd_);
    for (const PixelRect& r : damage) blit(window.dc, screen_, RECT{r.left, r.top, r.left + r.width, r.top + r.height});
  });
}

// Windows asks for a box of the window again when it is first shown or
// uncovered: it comes back from the picture.
void BattlefieldWindow::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  if (!IsRectEmpty(&ps.rcPaint)) runHandler("repaint", [&] { blit(dc, screen_, ps.rcPaint); });
  EndPaint(hwnd_, &ps);
}
