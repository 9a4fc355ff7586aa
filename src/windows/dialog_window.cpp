#include "windows/dialog_window.h"

#include <cstring>
#include <string_view>

#include "core/errors.h"
#include "ui/caption_fit.h"
#include "windows/dpi.h"
#include "windows/resources.h"
#include "windows/text.h"
#include "windows/windows_error.h"

namespace {

// A fixed single border, and a title bar with the game's icon whose window
// menu holds only Move and Close: no minimise, no maximise, no resizing.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
// A caption too wide for its button wraps at word breaks, as a tall narrow button allows.
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;

// Control IDs clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
constexpr int kFirstControlId = 100;
// Pixels at 96 DPI between a button's caption and its edge: the bevel and the focus rectangle.
constexpr int kButtonMargin = 4;

// An empty template: the style and the title, no menu, no font, no controls.
// The controls are made at their pixel boxes once the dialog exists.
std::vector<WORD> emptyTemplate(std::wstring_view title) {
  DLGTEMPLATE header{};
  header.style = kDialogStyle;
  std::vector<WORD> words(sizeof header / sizeof(WORD));
  std::memcpy(words.data(), &header, sizeof header);
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog manager's own window class
  words.insert(words.end(), title.begin(), title.end());
  words.push_back(0);
  return words;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The extent DrawText gives a text at a width; a word wider than the width
// widens it. Statics draw their text by the same rule.
SIZE textExtent(HDC dc, const std::wstring& text, int width, UINT format) {
  RECT box{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_NOPREFIX | format);
  return {box.right - box.left, box.bottom - box.top};
}

caption_fit::Needs needsOf(HDC dc, HWND control, dialog_layout::Kind kind, int dpi) {
  const std::wstring text = windowText(control);
  if (kind == dialog_layout::Kind::Label) {
    return {textExtent(dc, text, 0, DT_SINGLELINE).cx,
            [dc, text](int width) { return static_cast<int>(textExtent(dc, text, width, DT_WORDBREAK).cy); }};
  }
  const int margins = 2 * dpi_scaling::scaled(kButtonMargin, dpi);
  constexpr int kOneWordALine = 1;  // narrower than any word
  return {textExtent(dc, text, kOneWordALine, DT_WORDBREAK).cx + margins, [dc, text, margins](int width) {
            return static_cast<int>(textExtent(dc, text, width - margins, DT_WORDBREAK).cy) + margins;
          }};
}

}  // namespace

LOGFONTW DialogWindow::messageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  mustSucceed(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)),
          "read the message font");
  return metrics.lfMessageFont;
}

DialogWindow::DialogWindow(const dialog_layout::Dialog& layout, HWND owner, DialogClicks clicks, Font font)
    : layout_(layout), clicks_(std::move(clicks)), fontAt_(std::move(font)) {
  const std::vector<WORD> dialog = emptyTemplate(wide(layout.title));
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner,
                             dialogProc, reinterpret_cast<LPARAM>(this));
  if (failure_) std::rethrow_exception(failure_);
  mustSucceed(hwnd_, "create a dialog");
  created_ = true;
}

DialogWindow::~DialogWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

// Nothing may unwind through the dialog manager. A fault while the dialog is
// made is its creator's; after that, it ends the message it came with, as a
// handler's would, and is reported.
INT_PTR CALLBACK DialogWindow::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  try {
    return self->onMessage(message, wParam, lParam);
  } catch (const RuntimeError& error) {
    if (self->created_) {
      reportRuntimeError(std::string(self->layout_.name).c_str(), error);
    } else {
      self->failure_ = std::current_exception();
    }
    return TRUE;
  }
}

INT_PTR DialogWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // The game's own icon, where the window manager shows one.
      SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BRASSMOOR_ICON),
                                                       IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
      createControls();
      layOut(static_cast<int>(GetDpiForWindow(hwnd_)));
      return FALSE;  // show() gives the focus, at every showing
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        // Enter, with no default button: the button with the focus is pressed.
        if (const HWND focus = GetFocus(); IsChild(hwnd_, focus)) click(GetDlgCtrlID(focus));
      } else if (HIWORD(wParam) == BN_CLICKED) {
        click(LOWORD(wParam));  // IDCANCEL, Esc, is no button of ours
      }
      return TRUE;
    case WM_CLOSE:  // the title bar's close button: hidden through the game, and no handler runs
      if (const auto close = clicks_.find(kTitleBarClose); close != clicks_.end()) close->second();
      return TRUE;
    case WM_DPICHANGED: {
      layOut(HIWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    default: return FALSE;
  }
}

void DialogWindow::createControls() {
  for (const dialog_layout::Control& control : layout_.controls) {
    const bool button = control.kind == dialog_layout::Kind::Button;
    const auto id = static_cast<INT_PTR>(kFirstControlId + controls_.size());
    controls_.push_back(mustSucceed(CreateWindowExW(0, button ? L"BUTTON" : L"STATIC", wide(control.caption).c_str(),
                                                button ? kButtonStyle : kLabelStyle, 0, 0, 0, 0, hwnd_,
                                                reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr),
                                "create a dialog's control"));
  }
}

// The font at the dialog's DPI, and every box fitted to it.
void DialogWindow::layOut(int dpi) {
  dpi_ = dpi;
  const LOGFONTW wanted = fontAt_(dpi);
  const HFONT font = mustSucceed(CreateFontIndirectW(&wanted), "make the dialog's font");
  for (const HWND control : controls_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (font_) DeleteObject(font_);
  font_ = font;
  fitCaptions();
}

void DialogWindow::fitCaptions() {
  const HDC dc = mustSucceed(GetDC(hwnd_), "measure a dialog's captions");
  const HGDIOBJ oldFont = SelectObject(dc, font_);
  const caption_fit::Fitted fitted = caption_fit::fit(
      layout_, [&](std::size_t i) { return needsOf(dc, controls_[i], layout_.controls[i].kind, dpi_); },
      [this](int length) { return dpi_scaling::scaled(length, dpi_); });
  SelectObject(dc, oldFont);
  ReleaseDC(hwnd_, dc);

  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const dialog_layout::Box& b = fitted.boxes[i];
    SetWindowPos(controls_[i], nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(controls_[i], nullptr, TRUE);
  }
  RECT frame{0, 0, fitted.clientWidth, fitted.clientHeight};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), static_cast<UINT>(dpi_));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::show(bool visible) {
  if (!visible) {
    // The battlefield first, while the dialog still has the focus to hand on,
    // so that no other program's window gets it. Wine 8 does not pass this on
    // to an X window manager, which gives the focus to the window focused
    // before the dialog.
    if (const HWND owner = GetWindow(hwnd_, GW_OWNER)) SetForegroundWindow(owner);
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (!placed_) {
    placed_ = true;
    RECT window;
    GetWindowRect(hwnd_, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(GetWindow(hwnd_, GW_OWNER), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Normal, whatever state it was left in, raised and active, with the focus
  // where the layout puts it: the dialog manager would bring back the focus
  // of the last showing.
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(controls_[indexOf(layout_.focusOnShowing().name)]), TRUE);
}

void DialogWindow::setCaption(std::string_view controlName, const std::string& caption) {
  mustSucceed(SetWindowTextW(controls_[indexOf(controlName)], wide(caption).c_str()), "set a label's caption");
  fitCaptions();
}

std::size_t DialogWindow::indexOf(std::string_view controlName) const {
  return static_cast<std::size_t>(&layout_.control(controlName) - layout_.controls.data());
}

void DialogWindow::click(int controlId) {
  const int index = controlId - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;
  const dialog_layout::Control& control = layout_.controls[static_cast<std::size_t>(index)];
  const auto handler = clicks_.find(control.name);
  if (handler == clicks_.end()) return;  // a label
  handler->second();
}
