#include "picture_writer.h"

#include <QDir>
#include <QImage>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "usage_error.h"

PictureWriter::PictureWriter(std::string folder) : folder_(std::move(folder)) {
  if (!QDir().mkpath(QString::fromStdString(folder_))) throw UsageError("cannot create the folder " + folder_);
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

void PictureWriter::write(const Canvas& canvas, const std::string& name) const {
  const std::string path = folder_ + "/" + name;
  if (!canvas.image().save(QString::fromStdString(path), "PNG")) throw std::runtime_error("cannot write " + path);
}
