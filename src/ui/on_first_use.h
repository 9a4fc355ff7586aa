// A battlefield window's dialog, created, hidden, on its first reference, as
// the game expects of both its dialogs.
#pragma once

#include <functional>
#include <memory>
#include <utility>

template <class Dialog>
class OnFirstUse {
 public:
  explicit OnFirstUse(std::function<std::unique_ptr<Dialog>()> create) : create_(std::move(create)) {}

  Dialog& operator*() {
    if (!dialog_) dialog_ = create_();
    return *dialog_;
  }
  Dialog* operator->() { return &**this; }
  // The dialog if it has been referenced, without creating it.
  Dialog* created() const { return dialog_.get(); }
  void destroy() { dialog_.reset(); }

 private:
  std::function<std::unique_ptr<Dialog>()> create_;
  std::unique_ptr<Dialog> dialog_;
};
