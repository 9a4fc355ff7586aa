// Steering and motion for the live tank in curTank.
#include "core/game.h"

void Game::DriveTank() {}
