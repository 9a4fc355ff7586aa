// Speeds and headings are Singles that change in steps: each step is taken in
// double and the sum stored rounded to single.
#pragma once

#include "core/numeric.h"

inline Single stepped(Single value, Double step) { return toSingle(Double{value} + step); }
