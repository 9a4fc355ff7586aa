// A game started from a seed: every edition and the simulator start it alike,
// so the same seed plays the same game in each of them, bit for bit.
#pragma once

#include <cstdint>
#include <optional>

#include "core/random.h"

// The k-th reseed of a game with seed N takes N + k * kReseedStride: the same
// sequence for the same seed, and one that other seeds' sequences do not share.
inline constexpr std::uint64_t kReseedStride = 0xd1b54a32d192ed03;

// The seed is the initial state; the reseeds at level starts follow from it
// and never read the clock. With no seed: the game's own fixed initial state,
// reseeded from the system clock.
RandomSource randomSourceFor(std::optional<std::uint64_t> seed);
