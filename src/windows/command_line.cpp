#include "windows/command_line.h"

#include "windows/win32.h"

#include <shellapi.h>

#include "windows/text.h"
#include "windows/windows_error.h"

std::vector<std::string> commandLineArguments() {
  int count = 0;
  LPWSTR* args = mustSucceed(CommandLineToArgvW(GetCommandLineW(), &count), "read the command line");
  std::vector<std::string> texts;
  for (int i = 1; i < count; ++i) texts.push_back(narrow(args[i]));
  LocalFree(args);
  return texts;
}
