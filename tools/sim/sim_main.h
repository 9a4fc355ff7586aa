// The whole simulator behind main(): options, script, run, summary.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "picture_writer.h"

// Returns the exit status: 0 after a run, 2 for bad options or a bad input
// script (one line on err, nothing run), 1 when writing an output fails.
// Pictures (--png) are written by savePicture; a build without one refuses them.
int simMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, PictureSaver savePicture = {});
