// How the game ends its process: at once, with no further event of any
// window, after telling the error report's counted repeats.
#pragma once

#include <functional>

// Quit's status: the game ended as the player asked.
inline constexpr int kQuitStatus = 0;

// How Quit ends the process. Tests hand in their own, to see the call and live on.
using ProcessExit = std::function<void(int status)>;
[[noreturn]] void endProcessAtOnce(int status);
