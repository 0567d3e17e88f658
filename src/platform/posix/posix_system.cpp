#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "base/errors.h"
#include "platform/files/host_files.h"
#include "platform/posix/code_page_variable.h"
#include "platform/system_host.h"

namespace velmar::platform {
namespace {

// Windows primary language ids of the languages the installer speaks.
int PrimaryLanguageOfLocale(const std::string& locale) {
  const std::string lang = locale.substr(0, 2);
  if (lang == "de") return 7;
  if (lang == "fr") return 12;
  if (lang == "pl") return 21;
  if (lang == "cs") return 5;
  return 9;
}

class PosixSystemInfo : public SystemInfo {
 public:
  PosixSystemInfo() {
    const char* value = std::getenv("VELMAR_CODEPAGE");
    ansiCodePage_ = ParseCodePageVariable(value ? value : "");
  }
  std::string programPath() override {
    std::string buffer(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return HostPathToWindows(n > 0 ? buffer.substr(0, static_cast<size_t>(n)) : std::string());
  }
  VersionNumbers programVersion() override {
    return {VELMAR_VERSION_MAJOR, VELMAR_VERSION_MINOR, VELMAR_VERSION_PATCH, 0};
  }
  int primaryLanguage() override {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* value = std::getenv(name);
      if (value && *value) return PrimaryLanguageOfLocale(value);
    }
    return 9;
  }
  CodePage ansiCodePage() override { return ansiCodePage_; }
  bool isNtFamily() override { return true; }
  LocalDateTime now() override {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
  }

 private:
  CodePage ansiCodePage_ = CodePage::Cp1252;
};

}  // namespace

CodePage ParseCodePageVariable(std::string_view text) {
  if (text.empty()) return CodePage::Cp1252;
  unsigned number = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || number > 65535) {
      number = 0;
      break;
    }
    number = number * 10 + unsigned(c - '0');
  }
  if (number == 0 || number > 65535)
    throw InstallerError("VELMAR_CODEPAGE: \"" + std::string(text) + "\" is not a code page number (such as 1250)");
  return static_cast<CodePage>(number);
}

std::unique_ptr<SystemInfo> MakeHostSystemInfo() { return std::make_unique<PosixSystemInfo>(); }

}  // namespace velmar::platform
