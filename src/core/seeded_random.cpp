#include "core/seeded_random.h"

RandomSource randomSourceFor(std::optional<std::uint64_t> seed) {
  if (!seed) return RandomSource();
  return RandomSource(*seed, [n = *seed, k = std::uint64_t{0}]() mutable { return n + ++k * kReseedStride; });
}
