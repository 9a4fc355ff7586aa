#include "ui/caption_fit.h"

#include <algorithm>
#include <cstddef>
#include <map>

namespace caption_fit {

namespace {

// Along one axis of the client area: where a control starts and how far it reaches.
struct Span {
  int start, extent;
  int end() const { return start + extent; }
};

bool overlap(Span a, Span b) { return a.start < b.end() && b.start < a.end(); }

// Gives each control the extent it needs along one axis, never less than its
// tabled one. A control that grows pushes on, by as much, the controls after
// it that sit alongside it across the axis (`alongside(i, j)`), so no tabled
// gap between them shrinks; controls that started level stay level.
template <class Alongside>
std::vector<Span> grow(const std::vector<Span>& tabled, const std::vector<int>& needed, Alongside alongside) {
  std::map<int, std::vector<std::size_t>> level;  // by tabled start, nearest first
  for (std::size_t i = 0; i < tabled.size(); ++i) level[tabled[i].start].push_back(i);
  std::vector<Span> grown(tabled.size());
  for (const auto& [start, group] : level) {
    int push = 0;
    for (std::size_t i : group)
      for (std::size_t j = 0; j < tabled.size(); ++j)
        if (tabled[j].end() <= start && alongside(i, j)) push = std::max(push, grown[j].end() - tabled[j].end());
    for (std::size_t i : group) grown[i] = {start + push, std::max(tabled[i].extent, needed[i])};
  }
  return grown;
}

int farthest(const std::vector<Span>& spans) {
  int end = 0;
  for (const Span& s : spans) end = std::max(end, s.end());
  return end;
}

int clientExtent(int tabledClient, const std::vector<Span>& tabled, const std::vector<Span>& grown) {
  return std::max(tabledClient, farthest(grown) + tabledClient - farthest(tabled));
}

}  // namespace

// The rows are the tabled ones; the columns are taken after the widening,
// so a control grown into another's column pushes that one down.
Fitted fit(const std::vector<dialog_layout::Box>& tabled, int clientWidth, int clientHeight,
           const std::vector<Needs>& needs) {
  std::vector<Span> tabledX, tabledY;
  std::vector<int> widths, heights;
  for (std::size_t i = 0; i < tabled.size(); ++i) {
    tabledX.push_back({tabled[i].left, tabled[i].width});
    tabledY.push_back({tabled[i].top, tabled[i].height});
    widths.push_back(needs[i].width);
  }
  const auto x = grow(tabledX, widths, [&](std::size_t i, std::size_t j) { return overlap(tabledY[i], tabledY[j]); });
  for (std::size_t i = 0; i < tabled.size(); ++i) heights.push_back(needs[i].height(x[i].extent));
  const auto y = grow(tabledY, heights, [&](std::size_t i, std::size_t j) { return overlap(x[i], x[j]); });
  Fitted fitted{{}, clientExtent(clientWidth, tabledX, x), clientExtent(clientHeight, tabledY, y)};
  for (std::size_t i = 0; i < tabled.size(); ++i) fitted.boxes.push_back({x[i].start, y[i].start, x[i].extent, y[i].extent});
  return fitted;
}

Fitted fit(const dialog_layout::Dialog& dialog, const std::function<Needs(std::size_t control)>& measure,
           const std::function<int(int length)>& scaled) {
  std::vector<dialog_layout::Box> tabled;
  std::vector<Needs> needs;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const dialog_layout::Box& b = dialog.controls[i].box;
    tabled.push_back({scaled(b.left), scaled(b.top), scaled(b.width), scaled(b.height)});
    needs.push_back(measure(i));
  }
  return fit(tabled, scaled(dialog.clientWidth), scaled(dialog.clientHeight), needs);
}

}  // namespace caption_fit
