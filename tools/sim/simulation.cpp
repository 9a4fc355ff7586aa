#include "simulation.h"

#include <array>
#include <chrono>
#include <stdexcept>
#include <utility>

#include "core/errors.h"
#include "core/seeded_random.h"
#include "usage_error.h"

namespace {

RandomSource sourceFor(const Options& options, ReplayPlayer* replay) {
  if (replay != nullptr) return RandomSource(replay->replay().seed, replay->clock());
  return randomSourceFor(options.seed);
}

}  // namespace

Simulation::Simulation(const Options& options, std::vector<InputEvent> script, std::ostream* trace,
                       PictureSaver savePicture, ReplayPlayer* replay, ReplaySink* recording)
    : options_(options),
      script_(std::move(script)),
      trace_(trace),
      random_(sourceFor(options, replay)),
      replay_(replay) {
  if (!options_.pngDir.empty()) {
    if (!savePicture) throw UsageError("this build of brassmoor-sim writes no pictures");
    pictures_ = std::make_unique<PictureWriter>(options_.pngDir, std::move(savePicture));
  }
  summary_.seed = options_.seed;
  game_.enemyCount = replay_ != nullptr ? replay_->replay().enemies : options_.enemies;
  if (recording != nullptr) seam_.record(*recording);
  if (trace_ != nullptr) {
    random_.setListener(&drawLog_);
    frame_.surface.recordProbes = true;
  }
  // Only a level start clears the battlefield during a tick; the first one
  // ends no level.
  frame_.surface.beforeClear = [this] {
    if (inTick_ && pictures_ && !summary_.levels.empty()) {
      pictures_->writeLevelEnd(frame_.picture(), static_cast<long long>(summary_.levels.size()));
    }
  };
  if (replay_ != nullptr) takeReplay();
}

bool Simulation::finished() const {
  if (replay_ != nullptr) return replay_->over();
  return options_.ticks ? tick_ >= *options_.ticks : levelsEnded_ >= options_.levels;
}

void Simulation::step() {
  ++tick_;
  if (!summary_.levels.empty()) ++summary_.levels.back().ticks;
  if (replay_ == nullptr) applyEvents();
  runTick();
  if (pictures_ && options_.every > 0 && tick_ % options_.every == 0) pictures_->writeTick(frame_.picture(), tick_);
  if (trace_ != nullptr) writeTrace();
  if (replay_ != nullptr) takeReplay();
}

void Simulation::run() {
  const auto start = std::chrono::steady_clock::now();
  while (!finished()) step();
  summary_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  seam_.end(ReplayEntry::Ending::Stopped);
}

void Simulation::applyEvents() {
  events_.clear();
  while (nextEvent_ < script_.size() && script_[nextEvent_].tick == tick_) {
    const InputEvent& event = script_[nextEvent_++];
    if (!seam_.apply(event)) ++summary_.runtimeErrors;
    events_.push_back(event);
  }
}

// The replay's inputs after this tick come before the next one, and its trace row.
void Simulation::takeReplay() {
  events_.clear();
  replay_->atTicks(tick_, game_, [this](const InputEvent& event) {
    if (!seam_.apply(event)) ++summary_.runtimeErrors;
    events_.push_back(event);
  });
}

void Simulation::runTick() {
  std::array<Integer, MAX_TANK + 1> shellsBefore;
  for (int s = 0; s <= MAX_TANK; ++s) shellsBefore[s] = game_.shellState[s];
  const Integer winsBefore = game_.wins, lossesBefore = game_.losses;

  inTick_ = true;
  if (!seam_.tmr_Timer()) ++summary_.runtimeErrors;
  inTick_ = false;

  // Only the shell update writes a shell's state, once per slot and tick, and
  // a shell that explodes does not fire in the same call: an idle shell that
  // is now in flight was fired in this tick.
  for (int s = 0; s <= MAX_TANK; ++s) {
    if (shellsBefore[s] <= kShellIdle && game_.shellState[s] >= kShellFlying) ++summary_.shellsFired;
  }
  summary_.ticks = tick_;
  summary_.hits = frame_.surface.hits;
  keepScore(winsBefore, lossesBefore);
}

// Every level start adds one to wins or to losses, and so ends the level in
// play, if there is one.
void Simulation::keepScore(Integer winsBefore, Integer lossesBefore) {
  if (game_.wins == winsBefore && game_.losses == lossesBefore) return;
  if (!summary_.levels.empty()) {
    summary_.levels.back().ended = true;
    summary_.levels.back().won = game_.wins != winsBefore;
    ++levelsEnded_;
  }
  summary_.levels.push_back({(game_.enemyCount + 1).value(), 0, false, false});
}

void Simulation::writeTrace() {
  TickRecord record{tick_, std::move(events_), std::move(drawLog_.draws), std::move(frame_.surface.probes)};
  *trace_ << traceRow(record, game_, frame_) << '\n';
  if (!*trace_) throw std::runtime_error("cannot write the trace");
  drawLog_.draws.clear();
  frame_.surface.probes.clear();
}
