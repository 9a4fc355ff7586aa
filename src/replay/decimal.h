// A coordinate of an input script, read by one grammar on every build of the
// simulator: an optional sign, digits with an optional fraction (5, 5.25, 5.,
// .25), and an optional exponent (e or E, an optional sign, digits). Nothing
// else: no hex, no nan, no inf, no spaces.
#pragma once

#include <string_view>

#include "core/numeric.h"

enum class DecimalReading {
  Read,
  NotDecimal,  // outside the grammar
  TooLarge,    // beyond the largest Single
  TooSmall,    // not zero, but nearer to it than the least normal Single
};

// The Single nearest the decimal, in value when it is Read.
DecimalReading readDecimal(std::string_view text, Single& value);
