// The angle constants every rule uses, with exactly these double values.
// A heading h points along (sin h, cos h): 0 down the screen, pi/2 right.
#pragma once

#include "core/numeric.h"

inline constexpr Double kPi = 3.141592653589794;
inline constexpr Double kHalfPi = 1.570796326794897;
inline constexpr Double kTwoPi = 6.283185307179588;
inline constexpr Double kThreeHalfPi = 4.712388980384691;

// A random angle is r * 360 * kDegreesToRadians, multiplied in that order.
inline constexpr Double kFullTurnDegrees = 360;
inline constexpr Double kDegreesToRadians = 0.0174532925199433;

// The angle of a random draw r, in [0, 2*pi), formed in double.
inline constexpr Double randomAngle(Single r) { return Double{r} * kFullTurnDegrees * kDegreesToRadians; }
