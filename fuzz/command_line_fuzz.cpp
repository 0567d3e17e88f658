// Windows command lines: the program readings, the argument split and the
// installer's own switches, on any text.
#include <cstdlib>

#include "app/command_line.h"
#include "platform/command_line.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto readings = platform::ProgramCandidates(line);
  for (const auto& reading : readings)
    if (reading.program.size() + reading.arguments.size() > size) std::abort();
  platform::ExplorerFolder(line);
  const auto args = platform::SplitArguments(line);
  size_t total = 0;
  for (const auto& arg : args) total += arg.size();
  if (total > size) std::abort();  // splitting only ever drops characters
  const CommandLineChoices choices = ParseCommandLine(args);
  if (choices.Language < -1 || choices.Language > 3) std::abort();
  return 0;
}
