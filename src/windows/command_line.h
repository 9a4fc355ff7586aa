// The program's arguments from the system's UTF-16 command line, in UTF-8 as
// every edition's option readers take them, so that a path keeps every
// character ("Ω.txt", not "O.txt").
#pragma once

#include <string>
#include <vector>

// The arguments after the program's name.
std::vector<std::string> commandLineArguments();
