// Sizes on Windows are the battlefield's and the dialogs' pixels at 96 DPI,
// scaled by the monitor's DPI and rounded half up.
#pragma once

namespace dpi_scaling {

inline constexpr int kBase = 96;  // where one of the game's pixels is one device pixel

constexpr int scaled(int pixels, int dpi) { return (pixels * dpi + kBase / 2) / kBase; }

}  // namespace dpi_scaling
