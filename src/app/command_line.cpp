#include "app/command_line.h"

#include "base/languages.h"
#include "base/text_case.h"

namespace velmar {
namespace {

int LanguageOfSwitch(const std::string& arg) {
  for (const Language& language : Languages) {
    const std::string code = std::to_string(language.code);
    if (arg == "/" + code || arg == "/L" + code) return language.index;
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
