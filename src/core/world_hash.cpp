#include "core/world_hash.h"

#include <cstring>

namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325;
constexpr std::uint64_t kFnvPrime = 0x100000001b3;

// The bits of a number; the browser edition's library has no std::bit_cast.
template <class Bits, class Number>
Bits bitsOf(Number value) {
  static_assert(sizeof(Bits) == sizeof(Number));
  Bits bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Bytes are taken least significant first, whatever the machine's order.
class Fnv1a {
 public:
  void bytes(std::uint64_t bits, int count) {
    for (int i = 0; i < count; ++i, bits >>= 8) hash_ = (hash_ ^ (bits & 0xff)) * kFnvPrime;
  }
  void add(Integer v) { bytes(static_cast<std::uint16_t>(v.value()), 2); }
  void add(Single v) { bytes(bitsOf<std::uint32_t>(v), 4); }
  void add(Double v) { bytes(bitsOf<std::uint64_t>(v), 8); }
  template <class T>
  void add(const SlotArray<T>& slots) {
    for (int s = 0; s <= MAX_TANK; ++s) add(slots[s]);
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = kFnvOffset;
};

}  // namespace

// The fields in the order the record declares them.
std::uint64_t worldHash(const World& w) {
  Fnv1a h;
  h.add(w.tankX), h.add(w.tankY), h.add(w.hullHeading), h.add(w.turretHeading), h.add(w.tankState);
  h.add(w.tankSpeed), h.add(w.tankTarget), h.add(w.shellX), h.add(w.shellY), h.add(w.shellHeading);
  h.add(w.shellState);
  for (const Integer v : {w.curTank, w.loopI, w.loopJ, w.aliveCount}) h.add(v);
  h.add(w.lastSpeed);
  for (const Double v : {w.workA, w.workB, w.bearing, w.range}) h.add(v);
  for (const Integer v : {w.fireHeld, w.mouseX, w.mouseY, w.enemyCount, w.wins, w.losses, w.keyUp, w.keyDown,
                          w.keyRight, w.keyLeft}) {
    h.add(v);
  }
  return h.value();
}
