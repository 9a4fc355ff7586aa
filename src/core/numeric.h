// The game's number types and the conversions its rules name.
// Integer is a checked 16-bit value: every + and - that leaves -32768..32767
// raises OverflowError. Single is float and Double is double, both IEEE.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>

#include "core/errors.h"
#include "core/maths/maths.h"

using Single = float;
using Double = double;

class Integer {
 public:
  constexpr Integer() = default;
  // Implicit, so that `tankState[c] = 2` reads as the rule does; the value is checked.
  constexpr Integer(int value) : value_(toInt16(value)) {}

  constexpr int value() const { return value_; }

  friend constexpr Integer operator+(Integer a, Integer b) { return Integer(a.value_ + b.value_); }
  friend constexpr Integer operator-(Integer a, Integer b) { return Integer(a.value_ - b.value_); }
  friend constexpr bool operator==(Integer a, Integer b) { return a.value_ == b.value_; }
  friend constexpr auto operator<=>(Integer a, Integer b) { return a.value_ <=> b.value_; }

 private:
  static constexpr std::int16_t toInt16(int value) {
    if (value < -32768 || value > 32767) throw OverflowError();
    return static_cast<std::int16_t>(value);
  }

  std::int16_t value_ = 0;
};

// Integer booleans: -1 is true, 0 is false.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

namespace fp {

// A floating-point result that is not finite is a fault: an invalid operation
// (NaN), a division by zero or an overflow (infinity).
inline Double finite(Double value) {
  if (!std::isfinite(value)) throw FloatingPointError();
  return value;
}

inline Double sin(Double a) { return finite(brassmoor_sin(finite(a))); }
inline Double cos(Double a) { return finite(brassmoor_cos(finite(a))); }
inline Double atan(Double a) { return finite(brassmoor_atan(finite(a))); }
inline Double sqrt(Double a) { return finite(std::sqrt(finite(a))); }
inline Double pow(Double base, Double exponent) { return finite(brassmoor_pow(base, exponent)); }

}  // namespace fp

// Stores a Double as a Single, rounding to nearest; a value beyond the float
// range is a floating-point overflow.
inline Single toSingle(Double value) {
  const auto single = static_cast<Single>(fp::finite(value));
  if (!std::isfinite(single)) throw FloatingPointError();
  return single;
}

// Int(): the largest whole number not above the value, stored as an Integer.
inline Integer floorToInteger(Double value) {
  const Double whole = std::floor(fp::finite(value));
  if (whole < -32768.0 || whole > 32767.0) throw OverflowError();
  return Integer(static_cast<int>(whole));
}

// Rounding to the nearest Integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline Integer roundToInteger(Double value) {
  const Double whole = std::nearbyint(fp::finite(value));  // default rounding mode: ties to even
  if (whole < -32768.0 || whole > 32767.0) throw OverflowError();
  return Integer(static_cast<int>(whole));
}
