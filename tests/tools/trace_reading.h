// Runs the simulator in this process and reads its trace back.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

#include "core/numeric.h"
#include "options.h"
#include "summary.h"

struct TracedRun {
  std::vector<QJsonObject> rows;  // one per tick
  std::string text;               // the trace as written
  Summary summary;
};

// Options for a short seeded run of the given number of ticks.
Options seededRun(std::uint64_t seed, long long ticks, int enemies = 0);

// Runs with the script's text as the input script and keeps the trace.
TracedRun runTraced(const Options& options, const std::string& script = "");

// A number of the trace as the type it was written from.
inline Double doubleOf(const QJsonValue& v) { return v.toDouble(); }
// A 9-digit decimal lies so close to its float that the nearest double rounds back to it.
inline Single singleOf(const QJsonValue& v) { return static_cast<Single>(v.toDouble()); }
inline int intOf(const QJsonValue& v) { return v.toInt(); }
