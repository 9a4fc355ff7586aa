#include "core/json_text.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr int kDoubleDigits = 17;
constexpr int kSingleDigits = 9;

// printf's %g, the form to_chars gives with a precision too; the C++ library
// of the Node build has no to_chars for floating point. The simulator never
// leaves the C locale, so the decimal point is always a point.
void appendFloating(std::string& out, double value, int digits) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  out.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace

void appendDouble(std::string& out, Double value) { appendFloating(out, value, kDoubleDigits); }

// Widened exactly to double; 9 digits of it name the float uniquely.
void appendSingle(std::string& out, Single value) { appendFloating(out, value, kSingleDigits); }

void appendWhole(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void appendInteger(std::string& out, Integer value) { appendWhole(out, value.value()); }

void appendString(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}
