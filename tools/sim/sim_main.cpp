#include "sim_main.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <utility>

#include "core/quote.h"
#include "replay/replay_file.h"
#include "simulation.h"

namespace {

// Why a file could not be opened or read, from errno. Windows reports a
// folder as "Permission denied"; every build names it as a folder.
std::string failure(const std::string& path) {
  const int error = errno;
  std::error_code unknown;
  return std::strerror(std::filesystem::is_directory(utf8Path(path), unknown) ? EISDIR : error);
}

// On Windows through the UTF-16 call, which takes every character of the name.
std::FILE* openForReading(const std::string& path) {
#ifdef _WIN32
  return _wfopen(utf8Path(path).c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

// An input file (a script, a replay) read through C stdio, whose error flag tells a failing read
// (a folder, a device that fails) from the end of the file on every build.
// The C++ libraries do not: one of them reads either as the end.
class InputFile final : public std::streambuf {
 public:
  InputFile(const std::string& path, const char* what)
      : path_(path), what_(what), file_(openForReading(path)) {
    if (file_ == nullptr) fail();
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile() override { std::fclose(file_); }

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
    throw UsageError(std::string("cannot read the ") + what_ + " " + quote(path_) + ": " + failure(path_));
  }

  std::string path_;
  const char* what_;
  std::FILE* file_;
  char buffer_[4096];
};

std::vector<InputEvent> readScript(const std::string& path) {
  if (path.empty()) return {};
  InputFile file(path, "input script");
  std::istream in(&file);
  return readInputScript(in, path);
}

std::unique_ptr<ReplayPlayer> readReplayFile(const std::string& path) {
  if (path.empty()) return nullptr;
  InputFile file(path, "replay");
  std::istream in(&file);
  try {
    return std::make_unique<ReplayPlayer>(readReplay(in, path));
  } catch (const ReplayError& error) {
    throw UsageError(error.what());
  }
}

// Binary: a text stream on Windows ends every line with CR LF, and the file
// would differ from every other edition's.
void openOutput(std::ofstream& out, const std::string& path, const char* what) {
  if (path.empty()) return;
  out.open(utf8Path(path), std::ios::binary);
  if (!out) throw UsageError(std::string("cannot write the ") + what + " " + quote(path) + ": " + failure(path));
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
    const std::unique_ptr<ReplayPlayer> replay = readReplayFile(options.replayFile);
    std::ofstream trace, record;
    openOutput(trace, options.traceFile, "trace");
    openOutput(record, options.recordFile, "replay");
    std::optional<ReplayWriter> recording;
    if (record.is_open()) recording.emplace(record, replayDate(std::time(nullptr)));
    Simulation sim(options, std::move(script), trace.is_open() ? &trace : nullptr, std::move(savePicture),
                   replay.get(), recording ? &*recording : nullptr);
    sim.run();
    if (recording) record.close();
    if (recording && record.fail()) throw std::runtime_error("cannot write the replay " + quote(options.recordFile));
    (options.json ? printSummaryJson : printSummary)(out, sim.summary());
    if (replay && !replay->replay().ended) {
      err << "brassmoor-sim: " << escape(options.replayFile) << " line " << replay->replay().endLine
          << ": the replay ends early, after tick " << sim.ticksRun() << " (a game killed while it was recorded)\n";
      return 2;
    }
    return 0;
  } catch (const ReplayParts& parts) {
    err << "brassmoor-sim: " << parts.what() << '\n';
    return 1;
  } catch (const UsageError& error) {
    err << "brassmoor-sim: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    err << "brassmoor-sim: " << error.what() << '\n';
    return 1;
  }
}
