#include "sim_main.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <utility>

#include "core/quote.h"
#include "simulation.h"

namespace {

// Why a file could not be opened or read, from errno. Windows reports a
// folder as "Permission denied"; every build names it as a folder.
std::string failure(const std::string& path) {
  const int error = errno;
  std::error_code unknown;
  return std::strerror(std::filesystem::is_directory(path, unknown) ? EISDIR : error);
}

// A script file read through C stdio, whose error flag tells a failing read
// (a folder, a device that fails) from the end of the file on every build.
// The C++ libraries do not: one of them reads either as the end.
class ScriptFile final : public std::streambuf {
 public:
  explicit ScriptFile(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "rb")) {
    if (file_ == nullptr) fail();
  }
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;
  ~ScriptFile() override { std::fclose(file_); }

 protected:
  int_type underflow() override {
    const std::size_t got = std::fread(buffer_, 1, sizeof buffer_, file_);
    if (got == 0) {
      if (std::ferror(file_)) fail();
      return traits_type::eof();
    }
    setg(buffer_, buffer_, buffer_ + got);
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  [[noreturn]] void fail() const {
    throw UsageError("cannot read the input script " + quote(path_) + ": " + failure(path_));
  }

  std::string path_;
  std::FILE* file_;
  char buffer_[4096];
};

std::vector<InputEvent> readScript(const std::string& path) {
  if (path.empty()) return {};
  ScriptFile file(path);
  std::istream in(&file);
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
      if (!trace) {
        throw UsageError("cannot write the trace " + quote(options.traceFile) + ": " + failure(options.traceFile));
      }
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
