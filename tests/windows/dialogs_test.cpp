// The dialogs on Windows: the shared table's controls in tab order, at their
// boxes when the captions fit; at a large font every caption whole, measured
// in the control's own font, and the dialog grown (how the grown boxes sit
// together is the caption fit's); a fixed border and a title bar with close only.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "windows/help_dialog.h"
#include "windows/result_dialog.h"
#include "windows/text.h"

namespace {

using dialog_layout::Kind;

LOGFONTW tahoma(int points, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, dpi, 72);
  wcscpy(font.lfFaceName, L"Tahoma");
  return font;
}

// The dialog a table describes, in a font of the given size.
std::unique_ptr<DialogWindow> make(const dialog_layout::Dialog& layout, int points) {
  const DialogWindow::Font font = [points](int dpi) { return tahoma(points, dpi); };
  if (&layout == &dialog_layout::kResult) return std::make_unique<ResultDialogWindow>(nullptr, DialogClicks{}, font);
  return std::make_unique<HelpDialogWindow>(nullptr, DialogClicks{}, font);
}

// The dialog's controls in z-order, which is their tab order.
std::vector<HWND> controlsOf(HWND dialog) {
  std::vector<HWND> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
  return controls;
}

RECT boxOf(HWND control) {
  RECT box;
  GetWindowRect(control, &box);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
  return box;
}

std::wstring textOf(HWND control) {
  wchar_t text[100];
  return {text, static_cast<std::size_t>(GetWindowTextW(control, text, 100))};
}

// What the caption takes in the control's own font: on one line, or wrapped at a width.
SIZE captionExtent(HWND control, int wrapWidth) {
  const HDC dc = GetDC(control);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const std::wstring text = textOf(control);
  RECT box{0, 0, wrapWidth, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CALCRECT | DT_NOPREFIX | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
  ReleaseDC(control, dc);
  return {box.right, box.bottom};
}

SIZE clientOf(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  return {client.right, client.bottom};
}

const dialog_layout::Dialog* const kDialogs[] = {&dialog_layout::kResult, &dialog_layout::kHelp};

}  // namespace

TEST(DialogsTest, TheTablesControlsInTabOrderAtTheirBoxesWhenTheCaptionsFit) {
  for (const dialog_layout::Dialog* layout : kDialogs) {
    const auto dialog = make(*layout, 7);
    const HWND hwnd = dialog->hwnd();
    EXPECT_EQ(textOf(hwnd), wide(layout->title));
    EXPECT_EQ(clientOf(hwnd).cx, layout->clientWidth) << layout->title;
    EXPECT_EQ(clientOf(hwnd).cy, layout->clientHeight) << layout->title;
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << "a title bar with close";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0U) << "nothing else, and a fixed border";

    const std::vector<HWND> controls = controlsOf(hwnd);
    ASSERT_EQ(controls.size(), layout->controls.size());
    std::vector<HWND> buttons;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const dialog_layout::Control& tabled = layout->controls[i];
      const RECT box = boxOf(controls[i]);
      EXPECT_EQ(textOf(controls[i]), wide(tabled.caption)) << tabled.name;
      EXPECT_EQ((std::array<long, 4>{box.left, box.top, box.right - box.left, box.bottom - box.top}),
                (std::array<long, 4>{tabled.box.left, tabled.box.top, tabled.box.width, tabled.box.height})) << tabled.name;
      const bool takesFocus = (GetWindowLongW(controls[i], GWL_STYLE) & WS_TABSTOP) != 0;
      EXPECT_EQ(takesFocus, tabled.kind == Kind::Button) << tabled.name;
      if (takesFocus) buttons.push_back(controls[i]);
    }
    // Tab goes from button to button in the table's order, round to the first.
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_EQ(GetNextDlgTabItem(hwnd, buttons[i], FALSE), buttons[(i + 1) % buttons.size()]) << layout->title << " " << i;
    }
  }
}

TEST(DialogsTest, AtALargeFontEveryCaptionShowsWholeAndTheDialogGrows) {
  for (const dialog_layout::Dialog* layout : kDialogs) {
    const auto dialog = make(*layout, 20);
    if (layout == &dialog_layout::kResult) {
      auto& result = dynamic_cast<ResultDialog&>(*dialog);
      result.setLabel3("32767");
      result.setLabel4("-1");
    }
    const SIZE client = clientOf(dialog->hwnd());
    EXPECT_GT(client.cx, layout->clientWidth) << layout->title;
    const std::vector<HWND> controls = controlsOf(dialog->hwnd());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const RECT box = boxOf(controls[i]);
      const int width = box.right - box.left, height = box.bottom - box.top;
      const char* name = layout->controls[i].name.data();
      if (layout->controls[i].kind == Kind::Label) {
        EXPECT_LE(captionExtent(controls[i], 0).cx, width) << name;
        EXPECT_LE(captionExtent(controls[i], 0).cy, height) << name;
      } else {
        // Inside the button's bevel, two pixels on each side at the least.
        const SIZE wrapped = captionExtent(controls[i], width - 4);
        EXPECT_LE(wrapped.cx, width - 4) << name;
        EXPECT_LE(wrapped.cy, height - 4) << name;
      }
    }
  }
}
