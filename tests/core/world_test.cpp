// A freshly created world is all zero: every tank out of play, every shell idle.
#include <gtest/gtest.h>

#include "core/world.h"

TEST(WorldTest, AFreshWorldIsAllZero) {
  const World w;
  for (int s = 0; s <= MAX_TANK; ++s) {
    EXPECT_EQ(w.tankX[s], 0.0);
    EXPECT_EQ(w.tankY[s], 0.0);
    EXPECT_EQ(w.hullHeading[s], 0.0F);
    EXPECT_EQ(w.turretHeading[s], 0.0F);
    EXPECT_EQ(w.tankState[s], 0);
    EXPECT_EQ(w.tankSpeed[s], 0.0F);
    EXPECT_EQ(w.tankTarget[s], 0);
    EXPECT_EQ(w.shellX[s], 0.0);
    EXPECT_EQ(w.shellY[s], 0.0);
    EXPECT_EQ(w.shellHeading[s], 0.0F);
    EXPECT_EQ(w.shellState[s], 0);
  }
  for (const Integer v : {w.curTank, w.loopI, w.loopJ, w.aliveCount, w.fireHeld, w.mouseX, w.mouseY, w.enemyCount,
                          w.wins, w.losses, w.keyUp, w.keyDown, w.keyRight, w.keyLeft}) {
    EXPECT_EQ(v, 0);
  }
  for (const Double v : {w.workA, w.workB, w.bearing, w.range}) EXPECT_EQ(v, 0.0);
  EXPECT_EQ(w.lastSpeed, 0.0F);
}
