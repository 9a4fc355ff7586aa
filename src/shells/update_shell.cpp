// The shell of the tank in curTank: firing, flight and explosion.
#include "core/game.h"

void Game::UpdateShell() {}
