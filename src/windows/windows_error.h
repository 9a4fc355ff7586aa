// A Windows call that reports failure raises a run-time error of the handler
// that made it, as every other fault of the game does.
#pragma once

#include "windows/win32.h"

#include <string>

#include "core/errors.h"

class WindowsError : public RuntimeError {
 public:
  // "Windows could not <what> (error N)", N from GetLastError.
  explicit WindowsError(const std::string& what)
      : RuntimeError("Windows could not " + what + " (error " + std::to_string(GetLastError()) + ")") {}
};

// For calls that tell failure by a false, a zero or a null result.
template <class Result>
Result mustSucceed(Result result, const char* what) {
  if (!result) throw WindowsError(what);
  return result;
}
