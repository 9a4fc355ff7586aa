// The game: the world record together with the procedures that advance it.
// Each procedure is defined in the folder of its subsystem (the tick and the
// level start in core/, aiming and driving in behaviour/, shells in shells/).
#pragma once

#include "core/frame.h"
#include "core/random.h"
#include "core/world.h"

class Game : public World {
 public:
  Game(Frame& frm, RandomSource& random) : frm(frm), random(random) {}

  // The timer's event: one step of the whole world.
  void tmr_Timer();

  void StartLevel();

  // Each works on the slot in curTank.
  void AimTank();
  void DriveTank();
  void UpdateShell();

  Frame& frm;
  RandomSource& random;
};
