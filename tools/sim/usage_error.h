// A command line or input script the simulator will not run. Its message is
// the one line shown; the exit status is 2 and nothing has run.
#pragma once

#include <stdexcept>

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
