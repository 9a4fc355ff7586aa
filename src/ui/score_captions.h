// The result dialog's two numbers as the player reads them: the levels won,
// and the levels lost, the very first level start not counted.
#pragma once

#include "core/dialogs.h"
#include "core/world.h"

void setScoreCaptions(const World& world, ResultDialog& result);
