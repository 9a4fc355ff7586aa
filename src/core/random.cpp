#include "core/random.h"

#include <chrono>
#include <utility>

RandomSource::RandomSource(std::uint64_t seed, Clock clock) : state_(seed), clock_(std::move(clock)) {}

// SplitMix64: a full-period 64-bit generator, small and fast enough to draw
// hundreds of values per tick.
std::uint64_t RandomSource::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

Single RandomSource::Rnd() {
  // 24 bits fill a float's significand exactly; the largest value is 1 - 2^-24.
  constexpr Single kStep = 1.0F / 16777216.0F;
  const Single value = static_cast<Single>(next() >> 40) * kStep;
  if (listener_ != nullptr) listener_->drawn(value);
  return value;
}

void RandomSource::Randomize() {
  state_ = lastClockValue_ = clock_();
  ++reseeds_;
  if (listener_ != nullptr) listener_->reseeded();
}

std::uint64_t RandomSource::systemClock() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
