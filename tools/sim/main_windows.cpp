// brassmoor-sim.exe: the simulator writing no pictures, its arguments taken
// from the system's UTF-16 command line, so that every path it opens keeps
// every character.
#include <iostream>
#include <stdexcept>

#include "sim_main.h"
#include "windows/command_line.h"

int main() {
  try {
    return simMain(commandLineArguments(), std::cout, std::cerr);
  } catch (const std::runtime_error& error) {  // no command line to read
    std::cerr << "brassmoor-sim: " << error.what() << '\n';
    return 2;
  }
}
