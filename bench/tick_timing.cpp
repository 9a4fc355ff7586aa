// The tick at 51 tanks, every tank moving with its shell in flight, timed by
// the standard clock alone, so that the very same program runs natively and
// as WebAssembly under Node. Prints the median of a few runs, in microseconds
// a tick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "battle.h"

namespace {

constexpr int kTanks = 51;
constexpr int kTicksPerRun = 20000;
constexpr int kRuns = 5;

}  // namespace

int main() {
  Battle battle(kTanks);
  std::vector<double> perTick;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (int t = 0; t < kTicksPerRun; ++t) battle.tick();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    perTick.push_back(spent.count() / kTicksPerRun);
  }
  if (!battle.lastTickAsMeant()) {
    std::fputs("not every tank moving with its shell in flight\n", stderr);
    return 1;
  }
  std::sort(perTick.begin(), perTick.end());
  std::printf("%.2f\n", perTick[kRuns / 2]);
  return 0;
}
