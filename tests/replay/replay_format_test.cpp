// The replay's text: numbers read back to the same bits, and every bad
// replay refused with one line that names the line.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <sstream>

#include "replay/replay_format.h"
#include "replay/text_lines.h"

namespace {

const std::string kHeader = "brassmoor-replay 1\ngame 0.1.0\nedition Linux\ndate 2026-12-08T09:50:53Z\n0 seed 7\n0 enemies 3\n";

Replay read(const std::string& text) {
  std::istringstream in(text);
  return readReplay(in, "r.txt");
}

TEST(ReplayFormatTest, EverySingleReadsBackToTheSameBits) {
  const Single cases[] = {0.0F, -0.0F, 1.0F / 3.0F, 799.99994F, -12.5F, 1e-38F * 1.5F,
                          std::numeric_limits<Single>::max(), std::nextafter(1.0F, 2.0F), 16777217.0F, 100.0F, 1e8F};
  for (const Single value : cases) {
    InputEvent event{12, InputEvent::Kind::Down, 2, value, -value};
    std::istringstream in(kHeader + formatEvent(event) + "\n12 end quit\n");
    const InputEvent back = readReplay(in, "r").entries.at(0).event;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(back.x), std::bit_cast<std::uint32_t>(value)) << formatEvent(event);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(back.y), std::bit_cast<std::uint32_t>(-value)) << formatEvent(event);
  }
}

TEST(ReplayFormatTest, EveryEntryReadsBackAsWritten) {
  const std::string body = "1 reseed 18446744073709551615\n3 move 1 5.5 6\n3 key 27\n3 back\n40 check 00ff00ff00ff00ff\n"
                           "41 close\n41 next\n41 hideresult\n41 hidehelp\n50 end closed\n";
  const Replay replay = read(kHeader + body);
  std::string written;
  for (const ReplayEntry& entry : replay.entries) written += formatEntry(entry) + '\n';
  EXPECT_EQ(written, body);
  EXPECT_EQ(replay.seed, 7U);
  EXPECT_EQ(replay.enemies, 3);
  EXPECT_TRUE(replay.ended);
}

TEST(ReplayFormatTest, ALineAtTheTickAfterTheOneBeforeIsWrittenWithoutItsTickButACheck) {
  const std::string body =
      "0 seed 7\n0 enemies 3\nmove 5 6\n1 down 1 5 6\nmove 7 8\n39 key 13\n40 check 00000000000000ff\nkey 13\n";
  const Replay replay = read("brassmoor-replay 1\ngame 0.1.0\nedition Linux\ndate d\n" + body);
  const long long ticks[] = {1, 1, 2, 39, 40, 41};
  ASSERT_EQ(replay.entries.size(), std::size(ticks));
  std::ostringstream out;
  ReplayWriter writer(out, "d");
  writer.write({ReplayEntry::Kind::Seed, 0, {}, 7});
  writer.write({ReplayEntry::Kind::Enemies, 0, {}, 3});
  for (std::size_t i = 0; i < std::size(ticks); ++i) {
    EXPECT_EQ(replay.entries[i].tick, ticks[i]);
    writer.write(replay.entries[i]);
  }
  EXPECT_EQ(out.str().substr(out.str().find("0 seed")), body);
}

TEST(ReplayFormatTest, AFileCutShortPlaysToItsLastWholeLine) {
  const Replay replay = read(kHeader + "5 move 1 2\n40 check 00ff00ff00ff00ff\n41 mo");
  EXPECT_EQ(replay.entries.size(), 2U);
  EXPECT_FALSE(replay.ended);
  EXPECT_EQ(replay.endLine, 9);
}

TEST(ReplayFormatTest, ABadReplayIsRefusedWithOneLineThatNamesTheLine) {
  const struct {
    std::string text, message;
  } cases[] = {
      {"", "r.txt line 1: the replay ends before its header"},
      {"brassmoor-replay 2\n", "r.txt line 1: not a replay of this version"},
      {"\x7f" "ELF\x02\x01\x01\n", "r.txt line 1: not a replay of this version: the first line should be 'brassmoor-replay 1', not '\\x7fELF\\x02\\x01\\x01'"},
      {std::string(5000, '\0'), "r.txt line 1: longer than 1000 bytes"},
      {"brassmoor-replay 1\ngame\n", "r.txt line 2: the header needs 'game VALUE' here"},
      {kHeader + "40 check 12345\n", "r.txt line 7: check takes 16 hex digits, not '12345'"},
      {kHeader + "9 move 1 2\n5 move 1 2\n", "r.txt line 8: entries must come in tick order"},
      {kHeader + "5 end quit\n6 move 1 2\n", "r.txt line 8: nothing follows the end"},
      {kHeader + "0 seed 7\n", "r.txt line 7: a replay starts with '0 seed STATE' and '0 enemies N', once each"},
      {kHeader + "5 end later\n", "r.txt line 7: end takes quit, closed or stopped"},
      {kHeader + "5 end\n", "r.txt line 7: end takes one value"},
      {"brassmoor-replay 1\ngame 0.1.0\nedition Linux\ndate d\n0 seed 7\n0 enemies 51\n", "r.txt line 6: enemies takes 0 to 50"},
  };
  for (const auto& c : cases) {
    try {
      read(c.text);
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const ReplayError& error) {
      const std::string what = error.what();
      EXPECT_EQ(what.substr(0, c.message.size()), c.message);
      EXPECT_EQ(what.find('\n'), std::string::npos) << what;
    }
  }
}

TEST(ReplayFormatTest, AReplayPastTheLargestIsRefusedAtTheLineThatPassesIt) {
  // The header, then one valid line without end, as a file of any size would go on.
  struct Endless final : std::streambuf {
    int_type underflow() override {
      text = served++ == 0 ? kHeader : "5 move 100 200\n";
      setg(text.data(), text.data(), text.data() + text.size());
      return text[0];
    }
    std::string text;
    int served = 0;
  } endless;
  std::istream in(&endless);
  try {
    readReplay(in, "r.txt");
    ADD_FAILURE() << "an endless replay was accepted";
  } catch (const ReplayError& error) {
    EXPECT_NE(std::string(error.what()).find("the replay goes on past 64 MB"), std::string::npos) << error.what();
  }
}

}  // namespace
