// Reading a text of short lines from outside: the input script and the
// replay. A line is bounded, so a binary file or a device that never ends a
// line is refused before it fills the memory.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

inline constexpr std::size_t kLongestLine = 1000;  // bytes

// What is wrong with one line; the reader adds where it is.
class BadLine : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class LineEnd {
  None,   // no line left
  Whole,  // ended by LF or CR LF
  Cut,    // the last line, with no end: a file cut short
};

// The next line without its end. A carriage return that ends no line is
// refused rather than read as a space: a text with CR-only line ends would
// otherwise be one long line.
LineEnd nextLine(std::streambuf& in, std::string& line);

// The words of a line, split at spaces and tabs.
std::vector<std::string> wordsOf(const std::string& line);
