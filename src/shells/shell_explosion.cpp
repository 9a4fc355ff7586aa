// A shell's burst: yellow-to-red blast lines, then one hit on every tank in
// play whose centre lies strictly inside the square about the shell, the
// shooter included. A hit tank stops, spins to random headings, shows grey and
// throws red sparks; its second hit leaves it a wreck.
#include "core/angles.h"
#include "core/colours.h"
#include "shells/shell_steps.h"

namespace {

constexpr int kLastBlastLine = 10;   // 11 blast lines
constexpr Double kBlastReach = 10;   // pixels
constexpr Double kHitHalfSize = 20;  // pixels either side of the shell, on both axes
constexpr int kLastSpark = 20;       // 21 sparks per hit tank
constexpr Double kSparkReach = 20;   // pixels

// A random colour component floor(r * 155 + 100), so 100..254.
constexpr Double kComponentSpan = 155;
constexpr Double kComponentLeast = 100;

Integer randomComponent(RandomSource& random) {
  return floorToInteger(Double{random.Rnd()} * kComponentSpan + kComponentLeast);
}

// A ray's angle goes to workA and its length to workB, drawn in that order.
void aimRay(Game& game, Double reach) {
  game.workA = randomAngle(game.random.Rnd());
  game.workB = Double{game.random.Rnd()} * reach;
}

// The line from the shell along workA for workB pixels.
void drawRay(Game& game, Integer c, Colour colour) {
  const Double x = game.shellX[c];
  const Double y = game.shellY[c];
  game.frm.canvas().Line(toSingle(x), toSingle(y), toSingle(x + game.workB * fp::sin(game.workA)),
                         toSingle(y + game.workB * fp::cos(game.workA)), colour);
}

// Only the tank's centre counts; the bounds are formed in double and are strict.
bool caught(const Game& game, Integer c, Integer i) {
  const bool acrossX = game.shellX[c] - kHitHalfSize < game.tankX[i] && game.tankX[i] < game.shellX[c] + kHitHalfSize;
  const bool acrossY = game.shellY[c] - kHitHalfSize < game.tankY[i] && game.tankY[i] < game.shellY[c] + kHitHalfSize;
  return acrossX && acrossY && game.tankState[i] > kOutOfPlay;
}

void hit(Game& game, Integer c, Integer i) {
  game.tankState[i] = game.tankState[i] - 1;
  game.DrawSlot(i, kWhite);
  game.hullHeading[i] = toSingle(randomAngle(game.random.Rnd()));
  game.turretHeading[i] = toSingle(randomAngle(game.random.Rnd()));
  game.tankSpeed[i] = 0;
  game.DrawSlot(i, kHitGrey);
  // The sparks fly from the shell, not from the tank.
  for (game.loopJ = 0; game.loopJ <= kLastSpark; game.loopJ = game.loopJ + 1) {
    aimRay(game, kSparkReach);
    const Integer red = randomComponent(game.random);
    drawRay(game, c, RGB(red, 0, 0));
  }
}

}  // namespace

void ExplodeShell(Game& game) {
  const Integer c = game.curTank;
  game.shellState[c] = kShellIdle;

  for (game.loopI = 0; game.loopI <= kLastBlastLine; game.loopI = game.loopI + 1) {
    aimRay(game, kBlastReach);
    const Integer red = randomComponent(game.random);
    const Integer green = randomComponent(game.random);
    drawRay(game, c, RGB(red, green, 0));
  }

  // Each hit is drawn before the next slot is tested, lowest slot first.
  for (game.loopI = 0; game.loopI <= MAX_TANK; game.loopI = game.loopI + 1) {
    if (caught(game, c, game.loopI)) hit(game, c, game.loopI);
  }
}
