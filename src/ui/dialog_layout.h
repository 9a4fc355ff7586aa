// The two dialogs as every front-end lays them out: title, client size, and
// each label and button with its caption and box, in tab order. Boxes are
// pixels of the client area at 15 twips to the pixel.
#pragma once

#include <span>
#include <string_view>

namespace dialog_layout {

struct Box {
  int left, top, width, height;
};

enum class Kind { Label, Button };

struct Control {
  std::string_view name;
  Kind kind;
  std::string_view caption;  // the initial one; the result's numbers change theirs
  Box box;
};

struct Dialog {
  std::string_view name;
  std::string_view title;
  int clientWidth, clientHeight;
  std::span<const Control> controls;  // in tab order

  // The control of that name; the tables name each one once.
  const Control& control(std::string_view controlName) const;

  // The control that takes the focus at every showing of the dialog, not only
  // the first: its first button in tab order. A dialog shown again never keeps
  // the focus on the button pressed last, where Enter would press it again
  // unasked (Next level, say, which gives up the level).
  const Control& focusOnShowing() const;
};

// frm_winlose: wins and losses, then Quit, Back and Next level.
extern const Dialog kResult;
// frm_help: five lines of help and Close.
extern const Dialog kHelp;

}  // namespace dialog_layout
