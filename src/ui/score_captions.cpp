#include "ui/score_captions.h"

#include <string>

namespace {

// Plain decimal text: no leading blank, a minus sign for a negative value.
std::string decimalText(Integer value) { return std::to_string(value.value()); }

}  // namespace

void setScoreCaptions(const World& world, ResultDialog& result) {
  result.setLabel3(decimalText(world.wins));
  result.setLabel4(decimalText(world.losses - 1));  // the first level start counted as a loss
}
