#include "windows/debug_output.h"

#include "windows/win32.h"

#include <utility>

namespace {

void toDebugger(const std::string& line) { OutputDebugStringA(line.c_str()); }

}  // namespace

DebugOutputTee::DebugOutputTee(std::ostream& stream, LineSink sink)
    : stream_(stream), through_(stream.rdbuf(this)), sink_(sink ? std::move(sink) : LineSink(toDebugger)) {}

DebugOutputTee::~DebugOutputTee() {
  stream_.rdbuf(through_);
  if (!line_.empty()) sink_(line_);
}

// stderr flushes after every insertion, so a line is told only at its end.
DebugOutputTee::int_type DebugOutputTee::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof())) return traits_type::not_eof(character);
  const char c = traits_type::to_char_type(character);
  if (through_) through_->sputc(c);
  line_ += c;
  if (c == '\n') {
    sink_(line_);
    line_.clear();
  }
  return character;
}

int DebugOutputTee::sync() {
  if (through_) through_->pubsync();
  return 0;
}
