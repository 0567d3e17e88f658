#include "platform/program_arguments.h"

#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace velmar::platform {

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(Narrow(wide[i]));
  if (wide) LocalFree(wide);
  return arguments;
}

}  // namespace velmar::platform
