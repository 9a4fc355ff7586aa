// Creates the battlefield window and runs the event loop, with the game's
// command line as every edition reads it.
#include "windows/win32.h"

#include <shellapi.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "core/seeded_random.h"
#include "ui/game_options.h"

#include "windows/battlefield_window.h"
#include "windows/debug_output.h"
#include "windows/event_loop.h"
#include "windows/text.h"

namespace {

// The game cannot start: there is no window to show it in, so a message box says why.
int cannotStart(const std::exception& error) {
  std::cerr << "brassmoor: " << error.what() << std::endl;
  MessageBoxW(nullptr, wide(error.what()).c_str(), L"Brassmoor cannot start", MB_OK | MB_ICONERROR);
  return 1;
}

// The arguments after the program's name, from the system's UTF-16 command line.
std::vector<std::string> arguments() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args == nullptr) return {};
  std::vector<std::string> texts;
  for (int i = 1; i < count; ++i) texts.push_back(narrow(args[i]));
  LocalFree(args);
  return texts;
}

}  // namespace

int main() {
  // Lives until the process ends, past the error report that writes through it.
  static DebugOutputTee debugOutput(std::cerr);
  GameOptions options;
  try {
    options = parseGameOptions(arguments());
  } catch (const OptionError& error) {
    std::cerr << "brassmoor: " << error.what() << std::endl;
    return kOptionErrorStatus;
  }
  try {
    BattlefieldWindow frm(endProcessAtOnce, randomSourceFor(options.seed));
    frm.show();
    return runEventLoop(frm);
  } catch (const std::exception& error) {
    return cannotStart(error);
  }
}
