// The game's own tables as the page reads them: the page restates none of
// them, it builds its dialogs and maps its input from these.
#pragma once

#include <span>

#include "ui/dialog_layout.h"

// The dialogs in the order the page numbers them.
std::span<const dialog_layout::Dialog* const> pageDialogs();
