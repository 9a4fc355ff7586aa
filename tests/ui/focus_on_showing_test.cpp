// Every showing of a dialog puts the focus on its first button in tab order,
// whichever button the player left it on.
#include <gtest/gtest.h>

#include <string_view>

#include "ui/dialog_layout.h"

TEST(FocusOnShowingTest, IsTheFirstButtonInTabOrderPastTheLabels) {
  struct Case {
    const dialog_layout::Dialog& dialog;
    std::string_view focused;
  } const cases[] = {{dialog_layout::kResult, "btn_quit"}, {dialog_layout::kHelp, "Command1"}};
  for (const Case& c : cases) EXPECT_EQ(c.dialog.focusOnShowing().name, c.focused) << c.dialog.name;
}
