#include "replay/playback.h"

#include <chrono>

#include "ui/input_codes.h"

namespace {

constexpr int kSpaceKey = 32;
constexpr int kEscKey = 27;
constexpr int kDigit0Key = 48;
constexpr int kDigit1Key = 49;
constexpr int kDigit4Key = 52;

}  // namespace

std::optional<PlaybackControl> playbackControlFor(Integer keyCode) {
  switch (keyCode.value()) {
    case kSpaceKey: return PlaybackControl::Pause;
    case input_codes::kRightKey: return PlaybackControl::Step;
    case kDigit1Key: return PlaybackControl::Normal;
    case kDigit4Key: return PlaybackControl::Fast;
    case kDigit0Key: return PlaybackControl::Fastest;
    case kEscKey: return PlaybackControl::End;
    default: return std::nullopt;
  }
}

Playback::Playback(ReplayPlayer& player, GameSeam& seam, std::function<void()> runTick,
                   std::function<void(const std::string&)> stopped, std::function<void()> ended)
    : player_(player),
      seam_(seam),
      runTick_(std::move(runTick)),
      told_(std::move(stopped)),
      ended_(std::move(ended)) {}

void Playback::period() {
  if (stopped_ || paused_) return;
  switch (speed_) {
    case Speed::Normal: advance(true); break;
    case Speed::Fast:
      for (int i = 0; i < kFastTicks && !stopped_; ++i) advance(true);
      break;
    case Speed::Fastest: {
      const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFastestBudget);
      while (!stopped_ && std::chrono::steady_clock::now() < until) advance(false);
      break;
    }
  }
}

void Playback::control(PlaybackControl control) {
  switch (control) {
    case PlaybackControl::Pause: paused_ = !paused_; break;
    case PlaybackControl::Step:
      if (paused_ && !stopped_) advance(false);
      break;
    case PlaybackControl::Normal: speed_ = Speed::Normal; break;
    case PlaybackControl::Fast: speed_ = Speed::Fast; break;
    case PlaybackControl::Fastest: speed_ = Speed::Fastest; break;
    case PlaybackControl::End:
      stopped_ = true;
      ended_();
      break;
  }
}

// One step: the inputs before the next tick and the tick, or, while the
// game's timer is off, its next input.
void Playback::advance(bool holding) {
  const auto apply = [this](const InputEvent& event) { seam_.apply(event); };
  Frame& frm = seam_.game().frm;
  try {
    while (frm.timerEnabled() && player_.takeNext(seam_.ticksRun(), seam_.game(), apply)) {
    }
    if (frm.timerEnabled()) {
      if (player_.over()) return stop(overSentence());
      runTick_();
      return;
    }
    const InputEvent* next = player_.nextInput(seam_.ticksRun());
    // The pointer's moves and the keys' releases show nothing by themselves
    // and are not held: a window that loses the focus to its dialog lets
    // every arrow up.
    const bool shows = next != nullptr && next->kind != InputEvent::Kind::Move && next->kind != InputEvent::Kind::KeyUp;
    if (holding && shows && ++held_ < kHeldPeriods) return;
    held_ = 0;
    if (!player_.takeNext(seam_.ticksRun(), seam_.game(), apply)) {
      if (player_.over()) return stop(overSentence());
      // The recording ran a tick here, and this game's timer is off.
      throw ReplayParts(seam_.ticksRun(), player_.replay());
    }
  } catch (const ReplayParts& parts) {
    stop(parts.what());
  }
}

std::string Playback::overSentence() const {
  if (player_.replay().ended) return "The replay is over.";
  return "The replay ends early, after tick " + std::to_string(seam_.ticksRun()) +
         ": its game was killed while it was recorded.";
}

void Playback::stop(const std::string& sentence) {
  stopped_ = true;
  told_(sentence);
}

std::string Playback::status() const {
  const char* pace = speed_ == Speed::Normal ? "1x" : speed_ == Speed::Fast ? "4x" : "the fastest";
  const std::string tick = ", tick " + std::to_string(seam_.ticksRun());
  if (stopped_) return "Stopped" + tick;
  if (paused_) return "Paused" + tick;
  return std::string("Playing at ") + pace + tick;
}
