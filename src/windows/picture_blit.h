// Puts a box of the battlefield's picture on a device context, pixels as the
// canvas holds them: no conversion, no copy.
#pragma once

#include "windows/win32.h"

#include "windows/scaled_picture.h"

// The box is in device pixels of the picture, placed at the same spot of the DC.
void blit(HDC dc, const ScaledPicture& picture, const RECT& box);
