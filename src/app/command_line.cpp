#include "app/command_line.h"

#include "base/text_case.h"

namespace velmar {
namespace {

int LanguageOfSwitch(const std::string& arg) {
  static const struct { const char* code; int index; } codes[] = {
      {"49", 0}, {"44", 1}, {"33", 2}, {"48", 3}};
  for (const auto& c : codes) {
    if (arg == std::string("/") + c.code || arg == std::string("/L") + c.code) return c.index;
  }
  return -1;
}

}  // namespace

CommandLineChoices ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineChoices choices;
  for (const std::string& given : args) {
    if (given.size() <= 2) continue;
    std::string arg = AsciiUpperCase(given);
    if (arg[0] == '-') arg[0] = '/';

    if (const int language = LanguageOfSwitch(arg); language >= 0) {
      choices.Language = language;
    } else if (arg == "/W-") {
      choices.SkipWelcome = true;
    } else if (arg == "/L-") {
      choices.SkipLicence = true;
    } else if (arg.compare(0, 2, "/F") == 0) {
      const char digit = arg[2];
      if (digit == '0') choices.Function = 99;
      else if (digit >= '2' && digit <= '8') choices.Function = digit - '2';
    }
  }
  return choices;
}

}  // namespace velmar
