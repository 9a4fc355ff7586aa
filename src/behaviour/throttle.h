// How a tank's speed changes each tick before it moves: the player's keys, a
// computer tank's hunting rule, and the cut above the speed limit.
#pragma once

#include "core/numeric.h"

// Up adds, no Up coasts, Down brakes further while rolling; never below 0.
Single playerThrottle(Single speed, Integer keyUp, Integer keyDown);

// A computer tank with nothing to hunt brakes to an exact standstill; the
// end-of-level test waits for the last tank left to reach 0.
Single brakeToStandstill(Single speed);

// A computer tank with a live target: the first rule that applies wins.
Single huntingThrottle(Single speed, Double range, bool turretLocked);

// Applied once, so a speed just above the limit ends just below it.
Single cutOverSpeed(Single speed);
