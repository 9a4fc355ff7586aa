// The colours drawn on the battlefield. Anything but white stands in a tank's
// way: the contact probe reads the picture back.
#pragma once

#include "core/surface.h"

inline constexpr Colour kWhite = RGB(255, 255, 255);      // background; a tank drawn in it is erased
inline constexpr Colour kTankBlack = RGB(0, 0, 0);        // a live tank
inline constexpr Colour kPlayerBlue = RGB(0, 0, 150);     // the player's tank, over its black picture
inline constexpr Colour kHitGrey = RGB(200, 200, 200);    // a tank just hit; a wreck stays this colour
inline constexpr Colour kShellRed = RGB(200, 0, 0);       // a shell in flight
inline constexpr Colour kTrailPink = RGB(255, 225, 225);  // the trail a shell leaves behind
