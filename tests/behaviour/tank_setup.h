// Setting tanks on an offscreen battlefield, and the float steps the rules
// take, worked by hand so traces can be replayed beside the game.
#pragma once

#include "support/offscreen_frame.h"

struct Pose {
  double x, y;
  float hull = 0, turret = 0, speed = 0;
};

// A live tank (state 2) in the slot, hunting `target`.
inline void putTank(Game& game, int slot, Pose pose, int target) {
  game.tankState[slot] = 2;
  game.tankX[slot] = pose.x;
  game.tankY[slot] = pose.y;
  game.hullHeading[slot] = pose.hull;
  game.turretHeading[slot] = pose.turret;
  game.tankSpeed[slot] = pose.speed;
  game.tankTarget[slot] = target;
}

// One step of a Single in double, stored back as a Single.
inline float plus(float value, double step) { return static_cast<float>(static_cast<double>(value) + step); }
inline float times(float value, double factor) { return static_cast<float>(static_cast<double>(value) * factor); }

// Counts the draws of the random source.
struct DrawCounter : RandomSource::Listener {
  int draws = 0;
  void drawn(Single) override { ++draws; }
  void reseeded() override {}
};
