// The game's command line, as every edition reads it.
#include <gtest/gtest.h>

#include "ui/game_options.h"

TEST(GameOptionsTest, ReadsTheSeedOrNone) {
  EXPECT_FALSE(parseGameOptions({}).seed.has_value());
  EXPECT_EQ(parseGameOptions({"--seed", "0"}).seed, 0U);
  EXPECT_EQ(parseGameOptions({"--seed", "18446744073709551615"}).seed, UINT64_MAX);
  const GameOptions recorded = parseGameOptions({"--record", "Zo\xc3\xab.replay", "--seed", "3"});
  EXPECT_EQ(recorded.recordFile, "Zo\xc3\xab.replay");
  EXPECT_TRUE(parseGameOptions({"--no-record"}).noRecord);
  EXPECT_EQ(parseGameOptions({"--replay", "a.replay"}).replayFile, "a.replay");
}

TEST(GameOptionsTest, RefusesWhatIsNotOneSeedWithOneLine) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--seed", "18446744073709551616"}, "--seed takes a whole number from 0 to 18446744073709551615, not '18446744073709551616'"},
      {{"--seed", "-1"}, "--seed takes a whole number from 0 to 18446744073709551615, not '-1'"},
      {{"--seed", "+1"}, "--seed takes a whole number from 0 to 18446744073709551615, not '+1'"},
      {{"--seed", "7 "}, "--seed takes a whole number from 0 to 18446744073709551615, not '7 '"},
      {{"--seed", ""}, "--seed takes a whole number from 0 to 18446744073709551615, not ''"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "1", "--seed", "2"}, "--seed is given twice"},
      {{"--speed", "1"}, "unknown option '--speed' (the game takes --seed N, --record FILE, --no-record and --replay FILE)"},
      {{"--record", "--no-record"}, "--record needs a value"},
      {{"--no-record", "--no-record"}, "--no-record is given twice"},
      {{"--replay", "a", "--replay", "b"}, "--replay is given twice"},
      {{"--record", "a", "--no-record"}, "--record and --no-record cannot go together"},
      {{"--replay", "a", "--seed", "1"}, "--replay plays the recorded game: it takes no --seed or --record"},
  };
  for (const auto& [args, message] : cases) {
    try {
      parseGameOptions(args);
      ADD_FAILURE() << message;
    } catch (const OptionError& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}
