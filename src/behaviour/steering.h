// Turning a heading relative to the bearing, from the error that aiming left:
// error = heading - bearing, folded into [-pi, pi].
#pragma once

#include "core/numeric.h"

// Turns along the shorter way by one step and, once within a step, takes the
// heading `onto` exactly. An error of 0 leaves the heading alone.
Single turnTowards(Single heading, Double error, Double step, Single onto);

// Turns one step further away from the bearing; an error of 0 leaves it alone.
Single turnAway(Single heading, Double error, Double step);
