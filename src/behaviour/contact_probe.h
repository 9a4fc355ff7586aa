// The contact probe: a tank reads the battlefield's pixel 15 pixels straight
// ahead of its centre, and anything there but white slows it.
#pragma once

#include "core/surface.h"

// Reads the picture as it stands, the tank's own figure from the last tick
// included; a point off the battlefield reads -1 and so counts as contact.
bool probeTouches(const Surface& battlefield, Double x, Double y, Single hullHeading);

Single slowedByContact(Single speed);
