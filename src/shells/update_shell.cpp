// The shell of the tank in curTank, one step a tick, whether the tank is in
// play or not: a shell fired before its tank was put out of play flies on.
#include "shells/shell_steps.h"

void Game::UpdateShell() {
  const Integer s = shellState[curTank];
  if (s == kShellBursts) {
    ExplodeShell(*this);
  } else if (s <= kShellIdle) {
    DecideFiring(*this);
  } else {
    FlyShell(*this);
  }
}
