// The Windows API, for the Win32 front-end's files. windows.h defines RGB as
// a macro, and the game's own RGB (a battlefield colour) would not compile
// after it; the front-end never uses the macro.
#pragma once

#include <windows.h>

#undef RGB
