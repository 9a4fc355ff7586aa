#include "core/error_report.h"

#include <iostream>

namespace {

void tellLine(std::ostream& out, const std::string& handler, const std::string& error) {
  out << "brassmoor: run-time error in " << handler << ": " << error;
}

}  // namespace

ErrorReport::ErrorReport(std::ostream& out, Clock clock) : out_(out), clock_(std::move(clock)) {}

ErrorReport::~ErrorReport() { flushRepeats(); }

void ErrorReport::report(const char* handler, const RuntimeError& error) {
  const auto now = clock_();
  const Key key{handler, error.what()};
  const auto [entry, first] = seen_.try_emplace(key, Repeats{now, 0});
  if (first) {
    tellLine(out_, key.first, key.second);
    out_ << std::endl;  // flushed: the game may be ended at any moment
    return;
  }
  Repeats& repeats = entry->second;
  ++repeats.untold;
  if (now - repeats.lastLine >= kRepeatInterval) {
    tellRepeats(key, repeats);
    repeats.lastLine = now;
  }
}

void ErrorReport::flushRepeats() {
  for (auto& [key, repeats] : seen_) {
    if (repeats.untold > 0) tellRepeats(key, repeats);
  }
}

void ErrorReport::tellRepeats(const Key& key, Repeats& repeats) {
  tellLine(out_, key.first, key.second);
  out_ << " (" << repeats.untold << (repeats.untold == 1 ? " more time" : " more times") << ")" << std::endl;
  repeats.untold = 0;
}

ErrorReport& errorReport() {
  static ErrorReport report(std::cerr, [] { return std::chrono::steady_clock::now(); });
  return report;
}
