// What the game needs of its two dialogs: whether each is shown, showing and
// hiding it, and the result dialog's two number labels.
#pragma once

#include <string>

class HelpDialog {
 public:
  virtual ~HelpDialog() = default;
  virtual bool Visible() const = 0;
  virtual void setVisible(bool visible) = 0;
};

class ResultDialog : public HelpDialog {
 public:
  virtual void setLabel3(const std::string& caption) = 0;  // wins
  virtual void setLabel4(const std::string& caption) = 0;  // losses - 1
};
