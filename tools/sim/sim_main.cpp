#include "sim_main.h"

#include <fstream>
#include <utility>

#include "simulation.h"

namespace {

std::vector<InputEvent> readScript(const std::string& path) {
  if (path.empty()) return {};
  std::ifstream in(path);
  if (!in) throw UsageError("cannot read the input script " + path);
  return readInputScript(in, path);
}

}  // namespace

int simMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, PictureSaver savePicture) {
  try {
    const Options options = parseOptions(args);
    if (options.help) {
      out << kUsage;
      return 0;
    }
    std::vector<InputEvent> script = readScript(options.inputFile);
    std::ofstream trace;
    if (!options.traceFile.empty()) {
      // Binary: a text stream on Windows ends every line with CR LF, and the
      // trace would differ from every other edition's.
      trace.open(options.traceFile, std::ios::binary);
      if (!trace) throw UsageError("cannot write the trace " + options.traceFile);
    }
    Simulation sim(options, std::move(script), trace.is_open() ? &trace : nullptr, std::move(savePicture));
    sim.run();
    (options.json ? printSummaryJson : printSummary)(out, sim.summary());
    return 0;
  } catch (const UsageError& error) {
    err << "brassmoor-sim: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    err << "brassmoor-sim: " << error.what() << '\n';
    return 1;
  }
}
