#include "core/errors.h"

#include <iostream>

void reportRuntimeError(std::ostream& out, const char* handler, const RuntimeError& error) {
  out << "brassmoor: run-time error in " << handler << ": " << error.what() << '\n';
}

void reportRuntimeError(const char* handler, const RuntimeError& error) {
  reportRuntimeError(std::cerr, handler, error);
}
