#include "replay/text_lines.h"

namespace {

using Traits = std::streambuf::traits_type;

}  // namespace

LineEnd nextLine(std::streambuf& in, std::string& line) {
  line.clear();
  Traits::int_type c = in.sbumpc();
  if (c == Traits::eof()) return LineEnd::None;
  for (; c != Traits::eof() && c != '\n'; c = in.sbumpc()) {
    if (c == '\r' && in.sgetc() != '\n' && in.sgetc() != Traits::eof()) {
      throw BadLine("a carriage return inside the line: lines end with LF or CR LF");
    }
    if (c == '\r') continue;
    if (line.size() == kLongestLine) {
      throw BadLine("longer than " + std::to_string(kLongestLine) + " bytes; a line holds one entry");
    }
    line += Traits::to_char_type(c);
  }
  return c == '\n' ? LineEnd::Whole : LineEnd::Cut;
}

std::vector<std::string> wordsOf(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line + ' ') {
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}
