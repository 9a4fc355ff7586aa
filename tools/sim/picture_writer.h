// The battlefield as picture files, for looking at rather than reading. The
// file format comes from outside: the desktop build of the simulator writes
// PNG through Qt, the Node build writes no pictures.
#pragma once

#include <functional>
#include <string>

#include "drawing/canvas.h"

// Writes the canvas to the file at path; throws std::runtime_error when it cannot.
using PictureSaver = std::function<void(const Canvas& canvas, const std::string& path)>;

class PictureWriter {
 public:
  // Creates the folder if it is missing; throws UsageError when it cannot.
  PictureWriter(std::string folder, PictureSaver save);

  // tick-0000100.png: the battlefield after a tick.
  void writeTick(const Canvas& canvas, long long tick) const;
  // level-0003.png: the battlefield as a level ends, before the clear.
  void writeLevelEnd(const Canvas& canvas, long long level) const;

 private:
  void write(const Canvas& canvas, const std::string& name) const;

  std::string folder_;
  PictureSaver save_;
};
