// Creates the battlefield window and runs the event loop. The game takes no
// command line: every argument is ignored.
#include "windows/win32.h"

#include <exception>
#include <iostream>

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

}  // namespace

int main() {
  // Lives until the process ends, past the error report that writes through it.
  static DebugOutputTee debugOutput(std::cerr);
  try {
    BattlefieldWindow frm;
    frm.show();
    return runEventLoop(frm);
  } catch (const std::exception& error) {
    return cannotStart(error);
  }
}
