#include "core/errors.h"

#include "core/error_report.h"

void reportRuntimeError(const char* handler, const RuntimeError& error) { errorReport().report(handler, error); }
