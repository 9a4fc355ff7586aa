// A caption that does not fit its tabled box grows the box rather than being
// cut off, and the dialog grows with it. The rule is the same on every
// front-end; each measures its captions with its own font.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "ui/dialog_layout.h"

namespace caption_fit {

// What a control's caption needs at the front-end's font.
struct Needs {
  int width;                             // the least width the caption fits in
  std::function<int(int width)> height;  // the height it needs at a given width
};

struct Fitted {
  std::vector<dialog_layout::Box> boxes;  // one for each tabled box, in order
  int clientWidth, clientHeight;
};

// Widths first: a wrapped caption needs less height the wider its control.
// A control that grows pushes the controls after it in its row or column on
// by as much, so no tabled gap between them shrinks; the farthest control
// keeps its tabled margin to the client's edge. Nothing is ever made smaller
// than tabled.
Fitted fit(const std::vector<dialog_layout::Box>& tabled, int clientWidth, int clientHeight,
           const std::vector<Needs>& needs);

// A whole dialog fitted: its tabled boxes and client, each length passed
// through scaled first (where a front-end lays out in larger pixels), and what
// each control's caption needs, asked by its place in the tab order.
Fitted fit(const dialog_layout::Dialog& dialog, const std::function<Needs(std::size_t control)>& measure,
           const std::function<int(int length)>& scaled = [](int length) { return length; });

}  // namespace caption_fit
