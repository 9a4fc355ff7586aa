// brassmoor-sim --record and --replay: a recorded run plays back holding
// every check, and a replay that differs or cannot be read says so once.
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "sim_main.h"

namespace {

struct SimRun {
  int status;
  std::string err;
};

SimRun sim(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = simMain(args, out, err);
  return {status, err.str()};
}

}  // namespace

TEST(ReplayRunTest, ARecordedRunReplaysHoldingEveryCheckAndOneThatDiffersOrCannotBeReadSaysSoInOneLine) {
  QTemporaryDir dir;
  const std::string input = dir.filePath("input.txt").toStdString(), recorded = dir.filePath("recorded.txt").toStdString();
  std::ofstream(input) << "5 move 100.5 200.25\n7 down 1 100 200\n30 up 1 100 200\n40 keydown 38\n300 keyup 38\n";
  ASSERT_EQ(sim({"--seed", "7", "--enemies", "50", "--ticks", "2000", "--input", input, "--record", recorded}).status, 0);
  std::ifstream in(recorded, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  // The replay with one line changed.
  int edits = 0;
  const auto edited = [&](const std::string& from, const std::string& to) {
    std::string changed = text;
    changed.replace(changed.find(from), from.size(), to);
    const std::string path = dir.filePath(QString("edited%1.txt").arg(++edits)).toStdString();
    std::ofstream(path, std::ios::binary) << changed;
    return path;
  };
  const struct {
    std::string replay;
    int status;
    std::string message;
  } cases[] = {
      {recorded, 0, ""},
      // The tanks part at once; the world's record shows it at the next check.
      {edited("300 keyup 38", "301 keyup 38"), 1,
       "This replay parts from the game at tick 320: it was recorded by Brassmoor 0.1.0 on Linux."},
      {edited("\nreseed 15111065706836454666", "\nreseed 15111065706836454667"), 1, "This replay parts from the game at tick 40"},
      {edited("\n2000 end stopped\n", "\n2000 end sto"), 2, "line 65: the replay ends early, after tick 2000"},
      {edited("7 down 1 100 200", "7 down 1 100 2OO"), 2, "line 9: down takes B X Y: Y must be a decimal number"},
      {dir.path().toStdString(), 2, "cannot read the replay"},
  };
  for (const auto& c : cases) {
    const SimRun run = sim({"--replay", c.replay});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (c.status == 0) EXPECT_EQ(run.err, "");
    else EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}
