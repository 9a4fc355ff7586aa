#include "replay/game_seam.h"

#include <stdexcept>

#include "core/errors.h"
#include "core/world_hash.h"
#include "ui/dialog_buttons.h"

using Kind = InputEvent::Kind;

void GameSeam::record(ReplaySink& sink) {
  if (ticks_ != 0) throw std::logic_error("a recording starts before the first tick");
  sink_ = &sink;
  reseedsRecorded_ = game_.random.reseeds();
  sink.write({ReplayEntry::Kind::Seed, 0, {}, game_.random.state()});
  sink.write({ReplayEntry::Kind::Enemies, 0, {}, static_cast<std::uint64_t>(game_.enemyCount.value())});
}

// Recorded before the call, so that a call the game ends with an error is kept too.
void GameSeam::input(Kind kind, Integer code, Single x, Single y) {
  if (sink_ != nullptr) sink_->write({ReplayEntry::Kind::Input, ticks_ + 1, {ticks_ + 1, kind, code, x, y}});
}

void GameSeam::Form_MouseDown(Integer button, Single x, Single y) {
  input(Kind::Down, button, x, y);
  game_.Form_MouseDown(button, x, y);
}

void GameSeam::Form_MouseMove(Integer button, Single x, Single y) {
  input(Kind::Move, button, x, y);
  game_.Form_MouseMove(button, x, y);
}

void GameSeam::Form_MouseUp(Integer button, Single x, Single y) {
  input(Kind::Up, button, x, y);
  game_.Form_MouseUp(button, x, y);
}

void GameSeam::Form_KeyPress(Integer keyAscii) {
  input(Kind::Key, keyAscii);
  game_.Form_KeyPress(keyAscii);
}

void GameSeam::Form_KeyDown(Integer keyCode) {
  input(Kind::KeyDown, keyCode);
  game_.Form_KeyDown(keyCode);
}

void GameSeam::Form_KeyUp(Integer keyCode) {
  input(Kind::KeyUp, keyCode);
  game_.Form_KeyUp(keyCode);
}

void GameSeam::clickBack() {
  input(Kind::Back);
  frm_winlose::Command1_Click(game_.frm);
}

void GameSeam::clickNextLevel() {
  input(Kind::Next);
  frm_winlose::Command2_Click(game_.frm);
}

void GameSeam::clickClose() {
  input(Kind::Close);
  frm_help::Command1_Click(game_.frm);
}

// A tick that ends in an error has still run, and its reseed and check are kept.
void GameSeam::tmr_Timer() {
  ++ticks_;
  try {
    game_.tmr_Timer();
  } catch (...) {
    afterTick();
    throw;
  }
  afterTick();
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
    case Kind::Move: return runHandler("Form_MouseMove", [&] { Form_MouseMove(event.code, event.x, event.y); });
    case Kind::Down: return runHandler("Form_MouseDown", [&] { Form_MouseDown(event.code, event.x, event.y); });
    case Kind::Up: return runHandler("Form_MouseUp", [&] { Form_MouseUp(event.code, event.x, event.y); });
    case Kind::KeyDown: return runHandler("Form_KeyDown", [&] { Form_KeyDown(event.code); });
    case Kind::KeyUp: return runHandler("Form_KeyUp", [&] { Form_KeyUp(event.code); });
    case Kind::Key: return runHandler("Form_KeyPress", [&] { Form_KeyPress(event.code); });
    case Kind::Next: return runHandler("Command2_Click", [&] { clickNextLevel(); });
    case Kind::Back: return runHandler("Command1_Click", [&] { clickBack(); });
    case Kind::Close: return runHandler("Command1_Click", [&] { clickClose(); });
  }
  return true;
}
