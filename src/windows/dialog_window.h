// What the two dialogs share on Windows: a modeless dialog owned by the
// battlefield, so it always stays above it, with a fixed single border and a
// title bar with its close button only. Its labels and buttons sit at the
// boxes the shared layout gives, scaled with the DPI, in the platform's
// message font; a caption that does not fit its box grows the box, and the
// dialog with it. The tab order and the focus at every showing are the
// table's. No button is a default one: Enter and Space press the button with
// the focus, Esc does nothing, and the close button only hides the dialog.
#pragma once

#include "windows/win32.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/dialog_clicks.h"
#include "ui/dialog_layout.h"

class DialogWindow {
 public:
  // The font at a DPI: the platform's message font, unless a test asks for another.
  using Font = std::function<LOGFONTW(int dpi)>;
  static LOGFONTW messageFont(int dpi);

  DialogWindow(const dialog_layout::Dialog& layout, HWND owner, DialogClicks clicks, Font font = messageFont);
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool shown() const { return IsWindowVisible(hwnd_) != FALSE; }
  // Shown normal and active, centred on the work area at the first showing;
  // after that wherever the player left it. Hidden, it hands the keys back to
  // its owner, the battlefield.
  void show(bool visible);

  // Tab, Enter and Space as in a dialog; true when the message was the dialog's.
  bool isDialogMessage(MSG& message) { return IsDialogMessageW(hwnd_, &message) != FALSE; }

 protected:
  void setCaption(std::string_view controlName, const std::string& caption);

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createControls();
  void layOut(int dpi);
  void fitCaptions();
  void click(int controlId);
  std::size_t indexOf(std::string_view controlName) const;

  const dialog_layout::Dialog& layout_;
  DialogClicks clicks_;
  Font fontAt_;
  HWND hwnd_ = nullptr;
  std::vector<HWND> controls_;  // in the table's order, which is the tab order
  HFONT font_ = nullptr;
  int dpi_ = 0;
  bool created_ = false;
  std::exception_ptr failure_;  // what went wrong while the dialog manager made the dialog
  bool placed_ = false;
};
