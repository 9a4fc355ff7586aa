#include "trace_reading.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <sstream>

#include "input_script.h"
#include "simulation.h"

Options seededRun(std::uint64_t seed, long long ticks, int enemies) {
  Options options;
  options.seed = seed;
  options.ticks = ticks;
  options.enemies = enemies;
  return options;
}

TracedRun runTraced(const Options& options, const std::string& script) {
  std::istringstream scriptText(script);
  std::ostringstream trace;
  Simulation sim(options, readInputScript(scriptText, "script"), &trace);
  sim.run();

  TracedRun run{{}, trace.str(), sim.summary()};
  std::istringstream lines(run.text);
  for (std::string line; std::getline(lines, line);) {
    QJsonParseError error;
    const QJsonDocument row = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << "row " << run.rows.size() + 1 << " is not JSON";
    run.rows.push_back(row.object());
  }
  return run;
}
