// A shell in flight moves by its state's value, one pixel less each step, and
// leaves a pale dotted trail behind its red head.
#include "core/colours.h"
#include "shells/shell_steps.h"

namespace {

constexpr Single kShellRadius = 1;  // pixels

}  // namespace

void FlyShell(Game& game) {
  const Integer c = game.curTank;
  const Integer s = game.shellState[c];
  Surface& canvas = game.frm.canvas();

  // The first step paints the trail over the firing point, the tank's centre.
  canvas.Circle(toSingle(game.shellX[c]), toSingle(game.shellY[c]), kShellRadius, kTrailPink);
  const Double distance = s.value();
  const Double heading = game.shellHeading[c];
  game.shellX[c] = game.shellX[c] + distance * fp::sin(heading);
  game.shellY[c] = game.shellY[c] + distance * fp::cos(heading);
  canvas.Circle(toSingle(game.shellX[c]), toSingle(game.shellY[c]), kShellRadius, kShellRed);
  game.shellState[c] = s - 1;
}
