// The game: the world record together with the procedures that advance it.
// Each procedure is defined in the folder of its subsystem (the tick and the
// level start in core/, aiming and driving in behaviour/, shells in shells/,
// the input handlers in ui/, the tank's figure in drawing/).
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

  // The only code that draws a tank (drawing/): one figure in one colour at
  // the given place and headings. It changes no state; drawn again in white,
  // the figure is gone.
  void DrawTank(Double x, Double y, Single hullHeading, Single turretHeading, Colour colour);
  // Every caller draws one slot's tank at its present place and headings.
  void DrawSlot(Integer slot, Colour colour) {
    DrawTank(tankX[slot], tankY[slot], hullHeading[slot], turretHeading[slot], colour);
  }

  // Input handlers (ui/). Button: 1 left, 2 right. X and Y: battlefield pixels.
  // KeyAscii: the character code. KeyCode: the virtual-key code.
  void Form_MouseDown(Integer button, Single x, Single y);
  void Form_MouseMove(Integer button, Single x, Single y);
  void Form_MouseUp(Integer button, Single x, Single y);
  void Form_KeyPress(Integer keyAscii);
  void Form_KeyDown(Integer keyCode);
  void Form_KeyUp(Integer keyCode);

  Frame& frm;
  RandomSource& random;
};
