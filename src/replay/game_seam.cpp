#include "replay/game_seam.h"

#include <stdexcept>
#include <utility>

#include "core/errors.h"
#include "core/world_hash.h"
#include "ui/dialog_buttons.h"
#include "ui/input_codes.h"

using Kind = InputEvent::Kind;

void GameSeam::record(ReplaySink& sink) {
  if (ticks_ != 0) throw std::logic_error("a recording starts before the first tick");
  sink_ = &sink;
  reseedsRecorded_ = game_.random.reseeds();
  sink.write({ReplayEntry::Kind::Seed, 0, {}, game_.random.state()});
  sink.write({ReplayEntry::Kind::Enemies, 0, {}, static_cast<std::uint64_t>(game_.enemyCount.value())});
}

template <class Handler>
bool GameSeam::run(const char* handler, Handler&& body, Kind kind, Integer code, Single x, Single y) {
  if (sink_ != nullptr) sink_->write({ReplayEntry::Kind::Input, ticks_ + 1, {ticks_ + 1, kind, code, x, y}});
  return runHandler(handler, std::forward<Handler>(body));
}

bool GameSeam::Form_MouseDown(Integer button, Single x, Single y) {
  return run("Form_MouseDown", [&] { game_.Form_MouseDown(button, x, y); }, Kind::Down, button, x, y);
}

bool GameSeam::Form_MouseMove(Integer button, Single x, Single y) {
  return run("Form_MouseMove", [&] { game_.Form_MouseMove(button, x, y); }, Kind::Move, button, x, y);
}

bool GameSeam::Form_MouseUp(Integer button, Single x, Single y) {
  return run("Form_MouseUp", [&] { game_.Form_MouseUp(button, x, y); }, Kind::Up, button, x, y);
}

bool GameSeam::Form_KeyPress(Integer keyAscii) {
  return run("Form_KeyPress", [&] { game_.Form_KeyPress(keyAscii); }, Kind::Key, keyAscii);
}

bool GameSeam::Form_KeyDown(Integer keyCode) {
  return run("Form_KeyDown", [&] { game_.Form_KeyDown(keyCode); }, Kind::KeyDown, keyCode);
}

bool GameSeam::Form_KeyUp(Integer keyCode) {
  return run("Form_KeyUp", [&] { game_.Form_KeyUp(keyCode); }, Kind::KeyUp, keyCode);
}

void GameSeam::releaseArrows() {
  using namespace input_codes;
  for (const int arrow : {kLeftKey, kUpKey, kRightKey, kDownKey}) Form_KeyUp(arrow);
}

bool GameSeam::clickBack() { return run("Command1_Click", [&] { frm_winlose::Command1_Click(game_.frm); }, Kind::Back); }

bool GameSeam::clickNextLevel() {
  return run("Command2_Click", [&] { frm_winlose::Command2_Click(game_.frm); }, Kind::Next);
}

bool GameSeam::clickClose() { return run("Command1_Click", [&] { frm_help::Command1_Click(game_.frm); }, Kind::Close); }

bool GameSeam::hideResult() {
  return run("frm_winlose.Hide", [&] { game_.frm.frm_winlose().setVisible(false); }, Kind::HideResult);
}

bool GameSeam::hideHelp() { return run("frm_help.Hide", [&] { game_.frm.frm_help().setVisible(false); }, Kind::HideHelp); }

// A tick that ends in an error has still run, and its reseed and check are kept.
bool GameSeam::tmr_Timer() {
  ++ticks_;
  const bool ranToItsEnd = runHandler("tmr_Timer", [this] { game_.tmr_Timer(); });
  afterTick();
  return ranToItsEnd;
}

void GameSeam::afterTick() {
  if (sink_ == nullptr) return;
  // A tick starts at most one level, and a level start reseeds once.
  if (game_.random.reseeds() != reseedsRecorded_) {
    reseedsRecorded_ = game_.random.reseeds();
    sink_->write({ReplayEntry::Kind::Reseed, ticks_, {}, game_.random.lastClockValue()});
  }
  if (ticks_ % kCheckEvery == 0) check();
}

void GameSeam::check() { sink_->write({ReplayEntry::Kind::Check, ticks_, {}, worldHash(game_)}); }

void GameSeam::end(ReplayEntry::Ending ending) {
  if (sink_ == nullptr) return;
  if (ticks_ % kCheckEvery != 0) check();
  ReplayEntry entry{ReplayEntry::Kind::End, ticks_, {}, 0, ending};
  sink_->write(entry);
  sink_ = nullptr;
}

bool GameSeam::apply(const InputEvent& event) {
  switch (event.kind) {
    case Kind::Move: return Form_MouseMove(event.code, event.x, event.y);
    case Kind::Down: return Form_MouseDown(event.code, event.x, event.y);
    case Kind::Up: return Form_MouseUp(event.code, event.x, event.y);
    case Kind::KeyDown: return Form_KeyDown(event.code);
    case Kind::KeyUp: return Form_KeyUp(event.code);
    case Kind::Key: return Form_KeyPress(event.code);
    case Kind::Next: return clickNextLevel();
    case Kind::Back: return clickBack();
    case Kind::Close: return clickClose();
    case Kind::HideResult: return hideResult();
    case Kind::HideHelp: return hideHelp();
  }
  return true;
}
