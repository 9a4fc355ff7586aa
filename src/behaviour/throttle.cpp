#include "behaviour/throttle.h"

#include "behaviour/single_step.h"

namespace {

constexpr Double kAcceleration = 0.08;  // pixels per tick, per tick
constexpr Double kCoasting = 0.04;      // lost each tick the player's Up is not held
constexpr Double kBrake = 0.08;
constexpr Double kNearRange = 100;      // pixels: closer than this, a hunter slows
constexpr Single kCruisingSpeed = 1.0F;
constexpr Single kSpeedLimit = 3.0F;
constexpr Double kOverSpeedCut = 0.08;

Single notBelowZero(Single speed) { return speed < 0 ? 0.0F : speed; }

}  // namespace

Single playerThrottle(Single speed, Integer keyUp, Integer keyDown) {
  speed = keyUp != 0 ? stepped(speed, kAcceleration) : stepped(speed, -kCoasting);
  if (speed > 0 && keyDown != 0) speed = stepped(speed, -kBrake);
  return notBelowZero(speed);
}

Single brakeToStandstill(Single speed) {
  if (speed > 0) speed = stepped(speed, -kBrake);
  return notBelowZero(speed);
}

Single huntingThrottle(Single speed, Double range, bool turretLocked) {
  if (range < kNearRange && speed > kCruisingSpeed) return stepped(speed, -kBrake);
  if (turretLocked && speed < kSpeedLimit) return stepped(speed, kAcceleration);
  if (speed < kCruisingSpeed) return stepped(speed, kAcceleration);
  return speed;
}

Single cutOverSpeed(Single speed) { return speed > kSpeedLimit ? stepped(speed, -kOverSpeedCut) : speed; }
