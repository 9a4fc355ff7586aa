// brassmoor-sim --record and --replay: a recorded run plays back holding
// every check, and a replay that differs or cannot be read says so once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim_main.h"

namespace {

namespace fs = std::filesystem;

struct SimRun {
  int status;
  std::string err;
};

SimRun sim(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = simMain(args, out, err);
  return {status, err.str()};
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void spit(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ReplayRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir);
    spit(dir / "input.txt", "5 move 100.5 200.25\n7 down 1 100 200\n30 up 1 100 200\n40 keydown 38\n300 keyup 38\n");
    ASSERT_EQ(sim({"--seed", "7", "--enemies", "50", "--ticks", "2000", "--input", (dir / "input.txt").string(),
                   "--record", recorded.string()})
                  .status,
              0);
    text = slurp(recorded);
  }
  // The replay with one line changed.
  fs::path edited(const std::string& from, const std::string& to) {
    std::string changed = text;
    changed.replace(changed.find(from), from.size(), to);
    const fs::path path = dir / ("edited" + std::to_string(++edits) + ".txt");
    spit(path, changed);
    return path;
  }

  void TearDown() override { fs::remove_all(dir); }

  // One folder a test: ctest runs them side by side.
  fs::path dir = fs::temp_directory_path() /
                 (std::string("replay_run_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::path recorded = dir / "recorded.txt";
  std::string text;
  int edits = 0;
};

TEST_F(ReplayRunTest, ARecordedRunReplaysHoldingEveryCheck) {
  const SimRun run = sim({"--replay", recorded.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

TEST_F(ReplayRunTest, AReplayThatDiffersOrCannotBeReadSaysSoInOneLine) {
  const struct {
    fs::path replay;
    int status;
    std::string message;
  } cases[] = {
      // The tanks part at once; the world's record shows it at the next check.
      {edited("300 keyup 38", "301 keyup 38"), 1,
       "This replay parts from the game at tick 320: it was recorded by Brassmoor 0.1.0 on Linux."},
      {edited("\nreseed 15111065706836454666", "\nreseed 15111065706836454667"), 1, "This replay parts from the game at tick 40"},
      {edited("\n2000 end stopped\n", "\n2000 end sto"), 2, "line 65: the replay ends early, after tick 2000"},
      {edited("7 down 1 100 200", "7 down 1 100 2OO"), 2, "line 9: down takes B X Y: Y must be a decimal number"},
      {dir, 2, "cannot read the replay"},
  };
  for (const auto& c : cases) {
    const SimRun run = sim({"--replay", c.replay.string()});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
