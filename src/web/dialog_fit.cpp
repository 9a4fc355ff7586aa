// A dialog fitted to its captions by the same rule as the desktop's: the page
// measures each caption with its own font, the game's rule places the boxes.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <vector>

#include "ui/caption_fit.h"
#include "web/tables.h"

namespace {

// The page's measures, asked for while the rule runs: it sets them on the
// module as `captionNeeds` for the length of the call.
EM_JS(int, caption_width, (int dialog, int control), { return Module.captionNeeds.width(dialog, control); });
EM_JS(int, caption_height, (int dialog, int control, int width),
      { return Module.captionNeeds.height(dialog, control, width); });

}  // namespace

// Returns the client width and height, then each control's left, top, width
// and height in tab order; valid until the next call. Null for a dialog the
// page does not have.
extern "C" EMSCRIPTEN_KEEPALIVE const int* bm_fit_dialog(int dialog) {
  static std::vector<int> fitted;
  if (dialog < 0 || static_cast<std::size_t>(dialog) >= pageDialogs().size()) return nullptr;
  const caption_fit::Fitted f =
      caption_fit::fit(*pageDialogs()[static_cast<std::size_t>(dialog)], [dialog](std::size_t i) -> caption_fit::Needs {
        const int control = static_cast<int>(i);
        return {caption_width(dialog, control), [dialog, control](int width) { return caption_height(dialog, control, width); }};
      });
  fitted = {f.clientWidth, f.clientHeight};
  for (const dialog_layout::Box& b : f.boxes) fitted.insert(fitted.end(), {b.left, b.top, b.width, b.height});
  return fitted.data();
}
