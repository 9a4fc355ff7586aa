#include "replay/replay_player.h"

#include "core/world_hash.h"

using Kind = ReplayEntry::Kind;

ReplayParts::ReplayParts(long long tick, const Replay& replay)
    : std::runtime_error("This replay parts from the game at tick " + std::to_string(tick) +
                         ": it was recorded by Brassmoor " + replay.gameVersion + " on " + replay.edition + "."),
      tick(tick) {}

// A game that reseeds more often than its recording gets 0, and parts at that tick.
RandomSource::Clock ReplayPlayer::clock() {
  return [this]() -> std::uint64_t {
    while (nextClock_ < replay_.entries.size() && replay_.entries[nextClock_].kind != Kind::Reseed) ++nextClock_;
    if (nextClock_ == replay_.entries.size()) return 0;
    return replay_.entries[nextClock_++].value;
  };
}

void ReplayPlayer::atTicks(long long ticksRun, const Game& game, const std::function<void(const InputEvent&)>& apply) {
  while (takeNext(ticksRun, game, apply)) {
  }
}

// The reseeds and checks of a tick come before the inputs of the next, and
// an input starts no level: by the first input the reseeds must agree.
bool ReplayPlayer::takeNext(long long ticksRun, const Game& game,
                            const std::function<void(const InputEvent&)>& apply) {
  for (; next_ < replay_.entries.size() && replay_.entries[next_].ticksBefore() == ticksRun; ++next_) {
    const ReplayEntry& entry = replay_.entries[next_];
    if (entry.kind == Kind::Input) {
      if (game.random.reseeds() != reseedsSeen_) throw ReplayParts(ticksRun, replay_);
      ++next_;
      apply(entry.event);
      return true;
    }
    if (entry.kind == Kind::Reseed) ++reseedsSeen_;
    if (entry.kind == Kind::Check && entry.value != worldHash(game)) throw ReplayParts(ticksRun, replay_);
  }
  if (game.random.reseeds() != reseedsSeen_) throw ReplayParts(ticksRun, replay_);
  return false;
}

const InputEvent* ReplayPlayer::nextInput(long long ticksRun) const {
  for (std::size_t i = next_; i < replay_.entries.size() && replay_.entries[i].ticksBefore() == ticksRun; ++i) {
    if (replay_.entries[i].kind == Kind::Input) return &replay_.entries[i].event;
  }
  return nullptr;
}
