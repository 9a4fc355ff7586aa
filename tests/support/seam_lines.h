// What a window's seam records from now on, past the replay's opening lines:
// the front-ends' tests compare it with the lines their input must give.
#pragma once

#include <cstddef>
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
