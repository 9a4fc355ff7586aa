// A windowed program has no console to show its stderr, so each line written
// there goes to the debugger's output as well (OutputDebugString), whole.
#pragma once

#include <functional>
#include <ostream>
#include <streambuf>
#include <string>

class DebugOutputTee : public std::streambuf {
 public:
  using LineSink = std::function<void(const std::string& line)>;

  // Takes the stream's place for as long as it lives. Every character still
  // goes where the stream went; each line, once finished, also reaches `sink`,
  // the debugger's output unless given. A stream with nowhere to go (no
  // console) never stops the lines reaching the debugger.
  explicit DebugOutputTee(std::ostream& stream, LineSink sink = {});
  ~DebugOutputTee() override;
  DebugOutputTee(const DebugOutputTee&) = delete;
  DebugOutputTee& operator=(const DebugOutputTee&) = delete;

 protected:
  int_type overflow(int_type character) override;
  int sync() override;

 private:
  std::ostream& stream_;
  std::streambuf* through_;
  LineSink sink_;
  std::string line_;
};
