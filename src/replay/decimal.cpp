#include "replay/decimal.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

DecimalReading readDecimal(std::string_view text, Single& value) {
  std::size_t at = 0;
  bool nonZero = false;
  const auto sign = [&] {
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  };
  const auto digits = [&] {
    const std::size_t start = at;
    for (; at < text.size() && isDigit(text[at]); ++at) nonZero = nonZero || text[at] != '0';
    return at - start;
  };

  sign();
  std::size_t mantissa = digits();
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa += digits();
  }
  if (mantissa == 0) return DecimalReading::NotDecimal;
  const bool significant = nonZero;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    sign();
    if (digits() == 0) return DecimalReading::NotDecimal;
  }
  if (at != text.size()) return DecimalReading::NotDecimal;

  // Within the grammar, glibc's strtof and musl's (the Node build's) both give
  // the nearest float, rounding once, so the builds agree on every decimal.
  // The simulator never leaves the C locale: the point is always '.'.
  const Single read = std::strtof(std::string(text).c_str(), nullptr);
  if (std::isinf(read)) return DecimalReading::TooLarge;
  if (std::fpclassify(read) == FP_SUBNORMAL || (read == 0 && significant)) return DecimalReading::TooSmall;
  value = read;
  return DecimalReading::Read;
}
