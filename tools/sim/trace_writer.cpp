#include "trace_writer.h"

#include <utility>

#include "core/json_text.h"

namespace {

void appendEvent(std::string& out, const InputEvent& event) {
  out += '[';
  appendString(out, eventName(event.kind));
  switch (event.kind) {
    case InputEvent::Kind::Down:
    case InputEvent::Kind::Up:
      out += ',';
      appendInteger(out, event.code);
      [[fallthrough]];
    case InputEvent::Kind::Move:
      if (event.kind == InputEvent::Kind::Move && event.code != 0) {
        out += ',';
        appendInteger(out, event.code);
      }
      out += ',';
      appendSingle(out, event.x);
      out += ',';
      appendSingle(out, event.y);
      break;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
    case InputEvent::Kind::Key:
      out += ',';
      appendInteger(out, event.code);
      break;
    case InputEvent::Kind::Next:
    case InputEvent::Kind::Back:
    case InputEvent::Kind::Close:
    case InputEvent::Kind::HideResult:
    case InputEvent::Kind::HideHelp: break;
  }
  out += ']';
}

// Writes the items of a list with the given appender, comma-separated.
template <class Items, class Append>
void appendList(std::string& out, const Items& items, Append append) {
  out += '[';
  bool first = true;
  for (const auto& item : items) {
    if (!first) out += ',';
    first = false;
    append(item);
  }
  out += ']';
}

void appendTank(std::string& out, const World& w, Integer s) {
  const auto comma = [&] { out += ','; };
  out += '[';
  appendDouble(out, w.tankX[s]), comma(), appendDouble(out, w.tankY[s]), comma();
  appendSingle(out, w.hullHeading[s]), comma(), appendSingle(out, w.turretHeading[s]), comma();
  appendInteger(out, w.tankState[s]), comma(), appendSingle(out, w.tankSpeed[s]), comma();
  appendInteger(out, w.tankTarget[s]), comma();
  appendDouble(out, w.shellX[s]), comma(), appendDouble(out, w.shellY[s]), comma();
  appendSingle(out, w.shellHeading[s]), comma(), appendInteger(out, w.shellState[s]);
  out += ']';
}

void appendKey(std::string& out, const char* key) {
  out += ",\"";
  out += key;
  out += "\":";
}

}  // namespace

std::string traceRow(const TickRecord& record, const World& w, const Frame& frm) {
  std::string out = "{\"tick\":";
  appendWhole(out, record.tick);
  appendKey(out, "events");
  appendList(out, record.events, [&](const InputEvent& e) { appendEvent(out, e); });
  appendKey(out, "draws");
  appendList(out, record.draws, [&](const Draw& d) { d.reseed ? appendString(out, "reseed") : appendSingle(out, d.value); });
  appendKey(out, "probes");
  appendList(out, record.probes, [&](Colour c) { appendWhole(out, c); });
  appendKey(out, "tag");
  appendString(out, frm.Tag());
  const std::pair<const char*, Integer> counts[] = {
      {"enemyCount", w.enemyCount}, {"wins", w.wins}, {"losses", w.losses}, {"aliveCount", w.aliveCount}};
  for (const auto& [key, value] : counts) {
    appendKey(out, key);
    appendInteger(out, value);
  }
  appendKey(out, "lastSpeed");
  appendSingle(out, w.lastSpeed);
  appendKey(out, "fireHeld");
  appendInteger(out, w.fireHeld);
  appendKey(out, "mouse");
  appendList(out, std::initializer_list<Integer>{w.mouseX, w.mouseY}, [&](Integer v) { appendInteger(out, v); });
  appendKey(out, "keys");
  appendList(out, std::initializer_list<Integer>{w.keyUp, w.keyDown, w.keyLeft, w.keyRight},
             [&](Integer v) { appendInteger(out, v); });
  appendKey(out, "tanks");
  out += '[';
  for (int s = 0; s <= MAX_TANK; ++s) {
    if (s > 0) out += ',';
    appendTank(out, w, s);
  }
  out += "]}";
  return out;
}
