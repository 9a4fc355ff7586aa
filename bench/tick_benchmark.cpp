// What a tick costs with 7, 26 and 51 tanks all moving and a shell in flight
// for each, and what one tank figure costs. The goal at 51 tanks with 51
// shells: at most 100 us median, under 0.4 % of the 25 ms period.
#include <benchmark/benchmark.h>

#include "battle.h"
#include "drawing/canvas.h"

namespace {

void BM_Tick(benchmark::State& state) {
  Battle battle(static_cast<int>(state.range(0)));
  for (auto _ : state) battle.tick();
  if (!battle.lastTickAsMeant()) state.SkipWithError("not every tank moving with its shell in flight");
}
BENCHMARK(BM_Tick)->Arg(7)->Arg(26)->Arg(51)->Unit(benchmark::kMicrosecond);

void BM_DrawTank(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) DrawTankFigure(canvas, 361.3, 325.7, 0.7F, 2.1F, kTankBlack);
}
BENCHMARK(BM_DrawTank)->Unit(benchmark::kNanosecond);

}  // namespace
