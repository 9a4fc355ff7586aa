// What a window's seam records from now on, past the replay's opening lines:
// the front-ends' tests compare it with the lines their input must give.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>

#include "replay/game_seam.h"
#include "replay/replay_format.h"

class SeamLines {
 public:
  explicit SeamLines(GameSeam& seam) {
    seam.record(writer_);
    opening_ = out_.str().size();
  }
  std::string text() const { return out_.str(); }  // the whole replay so far
  std::string since() const { return out_.str().substr(opening_); }

 private:
  std::ostringstream out_;
  ReplayWriter writer_{out_, "2026-12-08T00:00:00Z"};
  std::size_t opening_ = 0;
};

// Input given to a window (anything with the window as frm), and the lines its seam records for it.
template <class Window>
struct SeamCase {
  const char* what;
  std::function<void(Window&)> input;
  const char* recorded;  // the first line's tick the writer has already put down
};

// Each case on a window of its own.
template <class Window>
void expectEachRecorded(std::initializer_list<SeamCase<Window>> cases) {
  for (const SeamCase<Window>& c : cases) {
    Window w;
    const SeamLines lines(w.frm.seam());
    c.input(w);
    EXPECT_EQ(lines.since(), c.recorded) << c.what;
  }
}
