// lnkinfo: what shortcut files (.lnk) lead to, read with the installer's own
// shortcut reader (the one its Linux build uses) on any machine, whatever
// shell made them.
//
//   lnkinfo FILE...
//
// For each file one `key: value` line each for target, arguments, workdir
// and description (UTF-8; an empty value leaves `key:`). With several files
// each block starts with the file's name and a colon, and a blank line
// separates the blocks. Exit status: 0 every file was shown, 1 some file
// could not be read or is no shortcut (named on stderr; the others are still
// shown), 2 wrong arguments (or a drive table in VELMAR_DRIVES that is not one).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "formats/shell_link.h"
#include "platform/files/host_files.h"
#include "platform/program_arguments.h"

namespace {

using namespace velmar;

// Far beyond any shortcut Windows makes; a larger file is not one.
constexpr uint64_t MaxLinkSize = 1024 * 1024;

// Control characters in a text would break its line or garble the terminal.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

void Line(const char* key, const std::string& value) {
  if (value.empty())
    std::printf("%s:\n", key);
  else
    std::printf("%s: %s\n", key, Printable(value).c_str());
}

// Shows one file; the reason when it cannot, else nothing.
std::optional<std::string> Show(platform::FileSystem& files, const std::string& argument, bool header, bool& first) {
  const std::string path = platform::HostPathToWindows(argument);
  const auto attributes = files.attributes(path);
  if (!attributes) return "no such file";
  if (*attributes & attr::Folder) return "is a folder";
  auto file = files.openRead(path);
  const auto size = file ? file->size() : std::nullopt;
  if (!size) return "cannot be read";
  if (*size > MaxLinkSize) return "not a shortcut";
  std::vector<uint8_t> bytes(static_cast<size_t>(*size));
  if (!ReadFullyAt(*file, 0, bytes.data(), bytes.size())) return "cannot be read";
  const auto link = DecodeShellLink(bytes);
  if (!link) return "not a shortcut";

  if (header) std::printf("%s%s:\n", first ? "" : "\n", Printable(argument).c_str());
  first = false;
  Line("target", link->target);
  Line("arguments", link->arguments);
  Line("workdir", link->workingFolder);
  Line("description", link->description);
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
  if (arguments.empty()) {
    std::fputs("usage: lnkinfo FILE...\n", stderr);
    return 2;
  }
  int status = 0;
  try {
    auto files = platform::MakeHostFileSystem();
    bool first = true;
    for (const std::string& argument : arguments) {
      const auto failure = Show(*files, argument, arguments.size() > 1, first);
      if (!failure) continue;
      status = 1;
      std::fflush(stdout);
      std::fprintf(stderr, "lnkinfo: %s: %s\n", Printable(argument).c_str(), failure->c_str());
    }
  } catch (const InstallerError& e) {
    std::fprintf(stderr, "lnkinfo: %s\n", e.what());
    return 2;
  }
  if (std::fflush(stdout) != 0) return 1;
  return status;
}
