// brassmoor-sim: the game with no window, as fast as the machine allows.
#include <iostream>

#include "png_file.h"
#include "sim_main.h"

int main(int argc, char* argv[]) {
  return simMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, savePng);
}
