// The battlefield's size, the tick's interval, the dialogs' layout and the input codes, written once
// as JSON for the page to read at start-up.
#include "web/tables.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "core/frame.h"
#include "drawing/canvas.h"
#include "core/json_text.h"
#include "replay/dialog_clicks.h"
#include "ui/input_codes.h"

namespace {

using namespace dialog_layout;

constexpr const Dialog* kPageDialogs[] = {&kResult, &kHelp};

std::string quoted(std::string_view text) {
  std::string out;
  appendString(out, std::string(text));
  return out;
}

std::string box(const Box& b) {
  return "[" + std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) + "," +
         std::to_string(b.height) + "]";
}

std::string dialog(const Dialog& d) {
  std::string controls;
  for (const Control& c : d.controls) {
    if (!controls.empty()) controls += ',';
    controls += "{\"name\":" + quoted(c.name) + ",\"kind\":" + quoted(c.kind == Kind::Label ? "label" : "button") +
                ",\"caption\":" + quoted(c.caption) + ",\"box\":" + box(c.box) + "}";
  }
  return "{\"name\":" + quoted(d.name) + ",\"title\":" + quoted(d.title) + ",\"clientWidth\":" +
         std::to_string(d.clientWidth) + ",\"clientHeight\":" + std::to_string(d.clientHeight) + ",\"controls\":[" +
         controls + "],\"focusOnShowing\":" + quoted(d.focusOnShowing().name) + "}";
}

// Each code under its name in input_codes.h.
struct NamedCode {
  const char* name;
  int code;
};
#define CODE(name) NamedCode{#name, input_codes::name}
constexpr NamedCode kCodes[] = {
    CODE(kLeftButton), CODE(kRightButton), CODE(kMiddleButton), CODE(kOtherButton), CODE(kLeftKey),
    CODE(kUpKey),      CODE(kRightKey),    CODE(kDownKey),      CODE(kF1Key),       CODE(kEnterAscii),
    CODE(kEscAscii),   CODE(kUpperPAscii), CODE(kLowerPAscii),
};
#undef CODE

std::string codes() {
  std::string out;
  for (const NamedCode& c : kCodes) out += (out.empty() ? "" : ",") + quoted(c.name) + ":" + std::to_string(c.code);
  return "{" + out + "}";
}

}  // namespace

std::span<const Dialog* const> pageDialogs() { return kPageDialogs; }

// {"battlefield": [width, height], "tickMilliseconds": 25, "dialogs": [...in page order],
//  "codes": {name: code}, "titleBarClose": the name the click tables give a title bar's close}
extern "C" EMSCRIPTEN_KEEPALIVE const char* bm_tables() {
  static const std::string json = [] {
    std::string dialogs;
    for (const Dialog* d : kPageDialogs) dialogs += (dialogs.empty() ? "" : ",") + dialog(*d);
    return "{\"battlefield\":[" + std::to_string(Canvas::kWidth) + "," + std::to_string(Canvas::kHeight) +
           "],\"tickMilliseconds\":" + std::to_string(kTickInterval.count()) + ",\"dialogs\":[" + dialogs + "],\"codes\":" + codes() +
           ",\"titleBarClose\":" + quoted(kTitleBarClose) + "}";
  }();
  return json.c_str();
}
