// iniread: every key of INI files (Setup.ini, Custom.ini, Velmar.ini, project
// files) as the installer reads them, with its own INI reader, in the
// system's ANSI code page (on Linux 1252 unless VELMAR_CODEPAGE names
// another; UTF-8 after a byte-order mark).
//
//   iniread FILE...
//
// One line a key, in file order: `[Section] Key=Value` (UTF-8; the section
// and key spelled as in the file; of a repeated key the value that counts).
// With several files each line begins with the file's name and a colon.
// Exit status: 0 every file was read, 1 some file could not be read or holds
// letters the code page cannot convert (named on stderr; the others are still
// shown), 2 wrong arguments (or VELMAR_DRIVES or VELMAR_CODEPAGE not right).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "formats/ini_document.h"
#include "platform/files/file_contents.h"
#include "platform/files/host_files.h"
#include "platform/program_arguments.h"
#include "platform/system.h"
#include "platform/system_host.h"

namespace {

using namespace velmar;

// Control characters would break a line or garble the terminal.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

// Shows one file; the reason when it cannot, else nothing.
std::optional<std::string> Show(platform::FileSystem& files, CodePage page, const std::string& argument,
                                const std::string& prefix) {
  const std::string path = platform::HostPathToWindows(argument);
  const auto attributes = files.attributes(path);
  if (!attributes) return "no such file";
  if (*attributes & attr::Folder) return "is a folder";
  const auto bytes = platform::ReadFileContents(files, path);
  if (!bytes) return "cannot be read";
  try {
    const IniDocument doc = IniDocument::Parse(*bytes, page);
    for (const std::string& section : doc.Sections())
      for (const std::string& key : doc.Keys(section))
        std::printf("%s[%s] %s=%s\n", prefix.c_str(), Printable(section).c_str(), Printable(key).c_str(),
                    Printable(doc.Value(section, key).value_or("")).c_str());
  } catch (const CodePageError& e) {
    return e.what();
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
  if (arguments.empty()) {
    std::fputs("usage: iniread FILE...\n", stderr);
    return 2;
  }
  int status = 0;
  try {
    auto files = platform::MakeHostFileSystem();
    const CodePage page = platform::MakeHostSystemInfo()->ansiCodePage();
    for (const std::string& argument : arguments) {
      const std::string prefix = arguments.size() > 1 ? Printable(argument) + ": " : "";
      const auto failure = Show(*files, page, argument, prefix);
      if (!failure) continue;
      status = 1;
      std::fflush(stdout);
      std::fprintf(stderr, "iniread: %s: %s\n", Printable(argument).c_str(), failure->c_str());
    }
  } catch (const InstallerError& e) {
    std::fprintf(stderr, "iniread: %s\n", e.what());
    return 2;
  }
  if (std::fflush(stdout) != 0) return 1;
  return status;
}
