// libFuzzer's target: any bytes given to the replay reader are read as a
// replay or refused with a ReplayError, and nothing else.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "replay/replay_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    const Replay replay = readReplay(in, "fuzz");
    for (const ReplayEntry& entry : replay.entries) formatEntry(entry);
  } catch (const ReplayError&) {
  }
  return 0;
}
