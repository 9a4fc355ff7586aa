#include "picture_writer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/quote.h"
#include "replay/replay_file.h"
#include "usage_error.h"

PictureWriter::PictureWriter(std::string folder, PictureSaver save) : folder_(std::move(folder)), save_(std::move(save)) {
  std::error_code error;
  const std::filesystem::path made = utf8Path(folder_);
  std::filesystem::create_directories(made, error);
  if (error || !std::filesystem::is_directory(made)) throw UsageError("cannot create the folder " + quote(folder_));
}

void PictureWriter::writeTick(const Canvas& canvas, long long tick) const {
  char name[40];
  std::snprintf(name, sizeof name, "tick-%07lld.png", tick);
  write(canvas, name);
}

void PictureWriter::writeLevelEnd(const Canvas& canvas, long long level) const {
  char name[40];
  std::snprintf(name, sizeof name, "level-%04lld.png", level);
  write(canvas, name);
}

void PictureWriter::write(const Canvas& canvas, const std::string& name) const { save_(canvas, folder_ + "/" + name); }
