// Setting tanks on an offscreen battlefield, and the float steps the rules
// take, worked by hand so traces can be replayed beside the game.
#pragma once

#include "support/offscreen_game.h"

// One step of a Single in double, stored back as a Single.
inline float plus(float value, double step) { return static_cast<float>(static_cast<double>(value) + step); }
inline float times(float value, double factor) { return static_cast<float>(static_cast<double>(value) * factor); }
