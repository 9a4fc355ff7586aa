// Where a handler's run-time error is told. A fault that stays in the world
// (a coordinate that overflows on every tick, say) would otherwise print the
// same line forty times a second for as long as the game runs. So the first
// occurrence of an error in a handler is reported at once; after it, at most
// one line a second for that same error and handler, counting its repeats.
// A different error, or the same one in another handler, is reported at once.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <utility>

#include "core/errors.h"

class ErrorReport {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr std::chrono::seconds kRepeatInterval{1};

  ErrorReport(std::ostream& out, Clock clock);
  // Repeats not yet told are told as the report ends.
  ~ErrorReport();

  void report(const char* handler, const RuntimeError& error);
  // Tells every repeat counted since the last line, now: for a process about
  // to end without running its destructors.
  void flushRepeats();

 private:
  struct Repeats {
    std::chrono::steady_clock::time_point lastLine;
    long long untold = 0;
  };
  using Key = std::pair<std::string, std::string>;  // the handler, the error

  void tellRepeats(const Key& key, Repeats& repeats);

  std::ostream& out_;
  Clock clock_;
  std::map<Key, Repeats> seen_;
};

// The process's own report: on stderr, by the steady clock.
ErrorReport& errorReport();
