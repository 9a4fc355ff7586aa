// A caption that outgrows its box widens or heightens it, pushes what comes
// after it in its row or column on by as much, and grows the dialog; worked
// on the result dialog's table by hand.
#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <vector>

#include "ui/caption_fit.h"
#include "ui/dialog_layout.h"

namespace {

using dialog_layout::Box;
using dialog_layout::kResult;

struct Need {
  int width = 0;   // 0: fits its tabled width
  int height = 0;  // 0: fits its tabled height
};

caption_fit::Fitted fitResult(const std::map<std::string_view, Need>& needs) {
  std::vector<Box> tabled;
  std::vector<caption_fit::Needs> asked;
  for (const dialog_layout::Control& c : kResult.controls) {
    tabled.push_back(c.box);
    const auto found = needs.find(c.name);
    const Need need = found == needs.end() ? Need{} : found->second;
    const int height = need.height ? need.height : c.box.height;
    asked.push_back({need.width ? need.width : c.box.width, [height](int) { return height; }});
  }
  return caption_fit::fit(tabled, kResult.clientWidth, kResult.clientHeight, asked);
}

bool operator==(const Box& a, const Box& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

TEST(CaptionFitTest, AGrownCaptionPushesItsRowOrColumnAndGrowsTheDialog) {
  struct Case {
    const char* name;
    std::map<std::string_view, Need> needs;
    std::map<std::string_view, Box> moved;  // every other control keeps its tabled box
    int clientWidth, clientHeight;
  };
  const Case cases[] = {
      {"every caption fits", {}, {}, 213, 112},
      // Quit 20 wider: Back and Next level move right by 20, the labels above stay.
      {"a wider first button",
       {{"btn_quit", {125, 0}}},
       {{"btn_quit", {8, 56, 125, 49}}, {"Command1", {140, 56, 41, 49}}, {"Command2", {188, 56, 41, 49}}},
       233, 112},
      // Wins: 20 wider: both scores move right by 20, as they started level, and
      // the buttons, in another row, stay.
      {"a wider first label",
       {{"Label1", {85, 0}}},
       {{"Label1", {8, 8, 85, 17}}, {"Label3", {100, 8, 81, 17}}, {"Label4", {100, 32, 81, 17}}},
       213, 112},
      // Label3 13 taller: the row under it moves down by 13, both of its labels
      // level, and so does the row of buttons.
      {"a taller score",
       {{"Label3", {0, 30}}},
       {{"Label3", {80, 8, 81, 30}}, {"Label2", {8, 45, 65, 17}}, {"Label4", {80, 45, 81, 17}},
        {"btn_quit", {8, 69, 105, 49}}, {"Command1", {120, 69, 41, 49}}, {"Command2", {168, 69, 41, 49}}},
       213, 125},
  };
  for (const Case& c : cases) {
    const caption_fit::Fitted fitted = fitResult(c.needs);
    for (std::size_t i = 0; i < kResult.controls.size(); ++i) {
      const dialog_layout::Control& control = kResult.controls[i];
      const auto moved = c.moved.find(control.name);
      EXPECT_TRUE(fitted.boxes[i] == (moved == c.moved.end() ? control.box : moved->second))
          << c.name << ": " << control.name;
    }
    EXPECT_EQ(fitted.clientWidth, c.clientWidth) << c.name;
    EXPECT_EQ(fitted.clientHeight, c.clientHeight) << c.name;
  }
}
