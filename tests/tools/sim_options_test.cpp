// The simulator's command line: what it accepts, and a clear one-line refusal
// with exit status 2 for anything else.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "options.h"
#include "sim_main.h"

namespace {

bool oneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

}  // namespace

TEST(SimOptionsTest, EveryOptionIsTakenAndTheRestHaveDefaults) {
  const Options all = parseOptions({"--seed", "18446744073709551615", "--ticks", "500", "--enemies", "50", "--input",
                                    "in.txt", "--trace", "t.jsonl", "--png", "pictures", "--every", "25", "--json"});
  EXPECT_EQ(all.seed, 18446744073709551615ULL);
  EXPECT_EQ(all.ticks, 500);
  EXPECT_EQ(all.enemies, 50);
  EXPECT_EQ(all.inputFile, "in.txt");
  EXPECT_EQ(all.traceFile, "t.jsonl");
  EXPECT_EQ(all.pngDir, "pictures");
  EXPECT_EQ(all.every, 25);
  EXPECT_TRUE(all.json);

  const Options none = parseOptions({});
  EXPECT_FALSE(none.seed.has_value());
  EXPECT_FALSE(none.ticks.has_value());
  EXPECT_EQ(none.levels, 10);
  EXPECT_EQ(none.enemies, 0);
  EXPECT_EQ(none.every, 0);
  EXPECT_FALSE(none.json);

  EXPECT_EQ(parseOptions({"--levels", "3", "--seed", "0", "--enemies", "0"}).levels, 3);
}

TEST(SimOptionsTest, ABadOptionOrFileGivesOneLineNamingItAndStatusTwoBeforeAnythingRuns) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string script = dir.filePath("script.txt").toStdString(), trace = dir.filePath("trace.jsonl").toStdString();
  std::ofstream(script) << "1 move " << std::string(900, '7') << "x 2\n";  // a line is at most 1000 bytes
  struct Case {
    std::vector<std::string> args;
    std::string named;  // a part of the message
  } const cases[] = {
      {{"--enemies", "51"}, "--enemies"},
      {{"--enemies", "-1"}, "--enemies"},
      {{"--enemies", "ten"}, "'ten'"},
      {{"--ticks", "0"}, "--ticks"},
      {{"--ticks", "9223372036854775808"}, "--ticks takes a whole number from 1 to 9223372036854775807,"},
      {{"--ticks", "12x"}, "'12x'"},
      {{"--ticks"}, "needs a value"},
      {{"--levels", "0"}, "--levels"},
      {{"--levels", "32767"}, "--levels"},
      {{"--seed", "-3"}, "--seed"},
      {{"--seed", "18446744073709551616"}, "--seed"},
      {{"--every", "0", "--png", "d"}, "--every"},
      {{"--every", "5"}, "--every needs --png"},
      {{"--ticks", "5", "--levels", "3"}, "cannot both"},
      {{"--seed", "1", "--seed", "2"}, "twice"},
      {{"--trace", ""}, "--trace"},
      {{"--bogus", "1"}, "unknown option '--bogus'"},
      {{"ticks"}, "unexpected argument 'ticks'"},
      {{"--trace", "--json"}, "--trace needs a value, not the option '--json'"},
      {{"--input", "--ticks", "5"}, "not the option '--ticks'"},
      // Files that cannot be read or written.
      {{"--input", "/nonexistent/script.txt", "--ticks", "1"}, "cannot read the input script '/nonexistent/script.txt'"},
      {{"--input", folder, "--ticks", "1"}, "cannot read the input script '" + folder + "': Is a directory"},
      {{"--input", "/dev/zero", "--ticks", "1"}, "/dev/zero line 1: longer than 1000 bytes"},
      {{"--trace", "/nonexistent/folder/trace.jsonl", "--ticks", "1"}, "cannot write the trace"},
      {{"--trace", folder, "--ticks", "1"}, "cannot write the trace '" + folder + "': Is a directory"},
      // Echoed input is cut short, with its control bytes escaped. The first
      // is the whole line a bad script gives, and its run writes no trace.
      {{"--input", script, "--trace", trace},
       "brassmoor-sim: " + script + " line 1: move takes X Y: X must be a decimal number (like -12, 360.25 or 1e2), not '" +
           std::string(60, '7') + "'... (901 bytes)\n"},
      {{"\x1b]0;owned\x07\x1b[2J"}, "unexpected argument '\\x1b]0;owned\\x07\\x1b[2J'"},
      {{"--ticks", std::string(1 << 20, '7')}, "'" + std::string(60, '7') + "'... (1048576 bytes)"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(simMain(c.args, out, err), 2) << c.named;
    const std::string message = err.str();
    EXPECT_TRUE(oneLine(message)) << message.substr(0, 300);
    EXPECT_NE(message.find(c.named), std::string::npos) << message.substr(0, 300);
    EXPECT_LT(message.size(), 300U);
    EXPECT_EQ(message.find('\x1b'), std::string::npos) << "no escape sequence reaches the terminal";
    EXPECT_EQ(out.str(), "") << "nothing runs";
  }
  EXPECT_FALSE(QDir(dir.path()).exists("trace.jsonl")) << "a bad script writes no trace";
}

TEST(SimOptionsTest, TheProgramItselfExitsWithTheStatusAndPrintsTheSummary) {
  const struct {
    QStringList args;
    int status;
    std::string outStart, outHolds, err;
  } cases[] = {
      {{"--enemies", "99"}, 2, "", "", "brassmoor-sim: --enemies takes a whole number from 0 to 50, not '99'\n"},
      {{"--seed", "5", "--ticks", "20", "--json"}, 0, "{\"seed\":5,", "\"ticks\":20,", ""},
      {{"--help"}, 0, "usage: brassmoor-sim", "", ""},
  };
  for (const auto& c : cases) {
    QProcess sim;
    sim.start(BRASSMOOR_SIM, c.args);
    ASSERT_TRUE(sim.waitForFinished());
    const std::string out = sim.readAllStandardOutput().toStdString();
    EXPECT_EQ(sim.exitCode(), c.status) << out;
    EXPECT_EQ(out.rfind(c.outStart, 0), 0U) << out;
    EXPECT_NE(out.find(c.outHolds), std::string::npos) << out;
    EXPECT_EQ(sim.readAllStandardError().toStdString(), c.err);
  }
}
