// Numbers and strings as JSON text, as the simulator writes its traces and the
// page receives the game's tables. Doubles get 17 significant digits and
// Singles 9, so each reads back as exactly the value written.
#pragma once

#include <string>

#include "core/numeric.h"

void appendDouble(std::string& out, Double value);
void appendSingle(std::string& out, Single value);
void appendWhole(std::string& out, long long value);
void appendInteger(std::string& out, Integer value);
void appendString(std::string& out, const std::string& text);
