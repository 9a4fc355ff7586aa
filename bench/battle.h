// A battle for timing the tick: tanks on a grid, apart enough that each one's
// probe sees open ground at first, every one moving with its shell in flight.
// Each tick starts from the same world, so every tick measured is such a tick.
#pragma once

#include "core/colours.h"
#include "core/game.h"
#include "drawing/offscreen_frame.h"
#include "drawing/tank_figure.h"

class Battle {
 public:
  static constexpr Integer kShellInFlight = 20;  // pixels of the next flight step

  explicit Battle(int tanks) : tanks_(tanks) {
    Game& g = game_;
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
      g.DrawSlot(s, s == 0 ? kPlayerBlue : kTankBlack);
    }
    start_ = g;
  }

  // The picture is not put back: after the first tick it holds the same
  // figures at every start.
  void tick() {
    static_cast<World&>(game_) = start_;
    game_.tmr_Timer();
  }

  // The tick measured is the one meant: no tank left play and no shell burst.
  bool lastTickAsMeant() const {
    bool asMeant = game_.aliveCount == tanks_;
    for (int s = 0; s < tanks_; ++s) {
      const bool moved = game_.tankX[s] != start_.tankX[s] || game_.tankY[s] != start_.tankY[s];
      asMeant = asMeant && moved && game_.shellState[s] == kShellInFlight - 1;
    }
    return asMeant;
  }

 private:
  static constexpr int kPerRow = 8;
  static constexpr double kSpacingX = 88, kSpacingY = 88, kBorder = 45;
  static constexpr Single kCruise = 2.0F;  // pixels per tick

  int tanks_;
  OffscreenFrame frame_;
  RandomSource random_;
  Game game_{frame_, random_};
  World start_;
};
