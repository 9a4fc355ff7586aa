// What a tick costs with 7, 26 and 51 tanks all moving and a shell in flight
// for each, and what one tank figure costs. The goal at 51 tanks with 51
// shells: at most 100 us median, under 0.4 % of the 25 ms period.
#include <benchmark/benchmark.h>

#include "core/colours.h"
#include "core/game.h"
#include "drawing/canvas.h"
#include "drawing/tank_figure.h"
#include "drawing/offscreen_frame.h"

namespace {

// The tanks stand on a grid, 8 to a row, apart enough that each one's probe
// sees open ground at first.
constexpr int kPerRow = 8;
constexpr double kSpacingX = 88, kSpacingY = 88, kBorder = 45;
constexpr Single kCruise = 2.0F;       // pixels per tick
constexpr Integer kShellInFlight = 20;  // pixels of the next flight step

struct Battle {
  explicit Battle(int tanks) {
    Game& g = game;
    g.enemyCount = tanks - 1;
    g.mouseX = 361;
    g.mouseY = 325;
    g.keyUp = kTrue;
    for (int s = 0; s < tanks; ++s) {
      g.tankState[s] = 2;
      g.tankX[s] = kBorder + kSpacingX * (s % kPerRow);
      g.tankY[s] = kBorder + kSpacingY * (s / kPerRow);
      g.hullHeading[s] = 0.7F * static_cast<Single>(s);
      g.turretHeading[s] = 1.9F * static_cast<Single>(s);
      g.tankSpeed[s] = kCruise;
      g.tankTarget[s] = (s + 1) % tanks;
      g.shellState[s] = kShellInFlight;
      g.shellX[s] = g.tankX[s];
      g.shellY[s] = g.tankY[s];
      g.shellHeading[s] = g.turretHeading[s];
      DrawSlot(g, s, s == 0 ? kPlayerBlue : kTankBlack);
    }
    start = g;
  }

  OffscreenFrame frame;
  RandomSource random;
  Game game{frame, random};
  World start;
};

// Each iteration ticks from the same world, so every tank keeps moving and
// every shell stays in flight. The picture is not put back: after the first
// tick it holds the same figures at every start.
void BM_Tick(benchmark::State& state) {
  Battle battle(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    static_cast<World&>(battle.game) = battle.start;
    battle.game.tmr_Timer();
  }
  // The tick measured is the one meant: no tank left play and no shell burst.
  const World& after = battle.game;
  bool asMeant = after.aliveCount == state.range(0);
  for (int s = 0; s < state.range(0); ++s) {
    const bool moved = after.tankX[s] != battle.start.tankX[s] || after.tankY[s] != battle.start.tankY[s];
    asMeant = asMeant && moved && after.shellState[s] == kShellInFlight - 1;
  }
  if (!asMeant) state.SkipWithError("not every tank moving with its shell in flight");
}
BENCHMARK(BM_Tick)->Arg(7)->Arg(26)->Arg(51)->Unit(benchmark::kMicrosecond);

void BM_DrawTank(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) DrawTank(canvas, 361.3, 325.7, 0.7F, 2.1F, kTankBlack);
}
BENCHMARK(BM_DrawTank)->Unit(benchmark::kNanosecond);

}  // namespace
