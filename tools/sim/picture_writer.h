// The battlefield as PNG files, for looking at rather than reading.
#pragma once

#include <string>

#include "drawing/canvas.h"

class PictureWriter {
 public:
  // Creates the folder if it is missing; throws UsageError when it cannot.
  explicit PictureWriter(std::string folder);

  // tick-0000100.png: the battlefield after a tick.
  void writeTick(const Canvas& canvas, long long tick) const;
  // level-0003.png: the battlefield as a level ends, before the clear.
  void writeLevelEnd(const Canvas& canvas, long long level) const;

 private:
  void write(const Canvas& canvas, const std::string& name) const;

  std::string folder_;
};
