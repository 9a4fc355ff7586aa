#include "core/process_exit.h"

#include <cstdio>
#include <cstdlib>

#include "core/error_report.h"

void endProcessAtOnce(int status) {
  errorReport().flushRepeats();
  std::fflush(nullptr);  // the lines already reported
  std::_Exit(status);    // no other handler, window or destructor runs
}
