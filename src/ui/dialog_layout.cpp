#include "ui/dialog_layout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace dialog_layout {

namespace {

constexpr Control kResultControls[] = {
    {"Label1", Kind::Label, "Wins:", {8, 8, 65, 17}},
    {"Label2", Kind::Label, "Losses:", {8, 32, 65, 17}},
    {"Label3", Kind::Label, "Label3", {80, 8, 81, 17}},
    {"Label4", Kind::Label, "Label4", {80, 32, 81, 17}},
    {"btn_quit", Kind::Button, "Quit", {8, 56, 105, 49}},
    {"Command1", Kind::Button, "Back", {120, 56, 41, 49}},
    {"Command2", Kind::Button, "Next level", {168, 56, 41, 49}},
};

constexpr Control kHelpControls[] = {
    {"Label1", Kind::Label, "Esc quits the game and show the score.", {8, 8, 297, 17}},
    {"Label2", Kind::Label, "Enter redraws the screen.", {8, 32, 297, 17}},
    {"Label3", Kind::Label, "Move your tank using the arrow keys.", {8, 56, 297, 17}},
    {"Label4", Kind::Label, "Fire using the left mouse button.", {8, 80, 297, 17}},
    {"Label5", Kind::Label, "When there are no tanks left slow down until you stop.", {8, 104, 297, 17}},
    {"Command1", Kind::Button, "Close", {8, 128, 89, 41}},
};

}  // namespace

const Dialog kResult{"frm_winlose", "Result", 213, 112, kResultControls};
const Dialog kHelp{"frm_help", "Help", 305, 175, kHelpControls};

const Control& Dialog::control(std::string_view controlName) const {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [&](const Control& c) { return c.name == controlName; });
  // A front-end asking for a control the tables lack is a programming fault.
  if (found == controls.end()) throw std::logic_error("no control " + std::string(controlName) + " in " + std::string(name));
  return *found;
}

const Control& Dialog::focusOnShowing() const {
  const auto first = std::find_if(controls.begin(), controls.end(), [](const Control& c) { return c.kind == Kind::Button; });
  if (first == controls.end()) throw std::logic_error("no button in " + std::string(name));
  return *first;
}

}  // namespace dialog_layout
