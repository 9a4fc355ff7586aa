// Aiming and throttle for the tank in curTank.
#include "core/game.h"

void Game::AimTank() {}
