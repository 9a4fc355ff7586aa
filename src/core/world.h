// The world record: the whole state of a game, all zero when created.
// The procedures take no parameters: they learn their slot from curTank and
// hand results to one another through bearing, range, workA and workB, so the
// order in which the tick calls them is what makes those hand-overs valid.
#pragma once

#include <array>
#include <cstddef>

#include "core/numeric.h"

// Highest tank slot. A level uses slots 0..enemyCount.
inline constexpr int MAX_TANK = 50;

// Slot 0 is always the player's tank: it aims at the mouse and drives by the keys.
inline constexpr int kPlayerSlot = 0;

// tankState counts hit points: a level start places a tank with two, a hit
// takes one off, and a tank with none is out of play and takes no more hits.
inline constexpr int kPlacedState = 2;
inline constexpr int kOutOfPlay = 0;

// shellState: idle, bursting in this update, or in flight with the pixels of
// its next step, from kShellFlying up. Nothing sets it below idle, and below
// would count as idle.
inline constexpr int kShellIdle = 0;
inline constexpr int kShellBursts = 1;
inline constexpr int kShellFlying = 2;

// A per-slot array with the bounds 0..50; any other index is an error, never clamped.
template <class T>
class SlotArray {
 public:
  T& operator[](Integer slot) { return items_[index(slot)]; }
  const T& operator[](Integer slot) const { return items_[index(slot)]; }

 private:
  static std::size_t index(Integer slot) {
    if (slot < 0 || slot > MAX_TANK) throw SubscriptOutOfRange();
    return static_cast<std::size_t>(slot.value());
  }

  std::array<T, MAX_TANK + 1> items_{};
};

struct World {
  // One tank and its single shell per slot.
  SlotArray<Double> tankX;           // centre, pixels
  SlotArray<Double> tankY;
  SlotArray<Single> hullHeading;     // radians; never wrapped
  SlotArray<Single> turretHeading;   // radians, in the battlefield's frame
  SlotArray<Integer> tankState;      // hit points
  SlotArray<Single> tankSpeed;       // pixels per tick, never negative
  SlotArray<Integer> tankTarget;     // the slot this tank hunts
  SlotArray<Double> shellX;
  SlotArray<Double> shellY;
  SlotArray<Single> shellHeading;
  SlotArray<Integer> shellState;

  Integer curTank;      // the slot being worked on; also a loop counter
  Integer loopI;
  Integer loopJ;
  Integer aliveCount;   // live tanks found by this tick's walk
  Single lastSpeed = 0; // speed of the last live tank the walk found, before it moved
  Double workA = 0;     // turret error from aiming; scratch for shell drawing
  Double workB = 0;     // hull error from aiming; scratch for shell drawing
  Double bearing = 0;   // from the tank in curTank to its aim point
  Double range = 0;
  Integer fireHeld;     // -1 while the left button is held
  Integer mouseX;
  Integer mouseY;
  Integer enemyCount;   // highest slot of the current level
  Integer wins;
  Integer losses;       // counts the very first level start too
  Integer keyUp;
  Integer keyDown;
  Integer keyRight;
  Integer keyLeft;
};
