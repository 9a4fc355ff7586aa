#include "behaviour/steering.h"

#include "behaviour/single_step.h"

Single turnTowards(Single heading, Double error, Double step, Single onto) {
  // A positive error means the heading is counter-clockwise of the bearing.
  if (error < -step) return stepped(heading, step);
  if (error < 0) return onto;
  if (error > step) return stepped(heading, -step);
  if (error > 0) return onto;
  return heading;
}

Single turnAway(Single heading, Double error, Double step) {
  if (error < 0) return stepped(heading, -step);
  if (error > 0) return stepped(heading, step);
  return heading;
}
