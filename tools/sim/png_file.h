// The battlefield as a PNG file, written by Qt's image writer.
#pragma once

#include <string>

#include "drawing/canvas.h"

// Throws std::runtime_error when the file cannot be written.
void savePng(const Canvas& canvas, const std::string& path);
