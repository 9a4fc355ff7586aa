// brassmoor-sim built for Node: the same simulator, writing no pictures.
#include <iostream>

#include "sim_main.h"

int main(int argc, char* argv[]) {
  return simMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
