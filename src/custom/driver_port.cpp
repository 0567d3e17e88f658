#include "custom/driver_port.h"

#include <optional>

#include "platform/files/file_contents.h"
#include "files/file_utils.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/host.h"

namespace velmar {
namespace {

constexpr std::string_view PortText = "ComPortNum[";
constexpr size_t SearchFrom = 48, SearchEnd = 121;

// The offset of the port digit in the file's first bytes: the first "C" at
// or after offset 48 must start the whole text, which ends before offset
// 121; one byte lies between the text and a digit "1" to "8".
struct PortSearch {
  bool textFound = false;
  std::optional<size_t> digit;
};

PortSearch FindPortDigit(std::string_view file) {
  const std::string_view head = file.substr(0, SearchEnd);
  for (size_t i = SearchFrom; i + PortText.size() <= head.size(); ++i) {
    if (head[i] != PortText[0]) continue;
    if (head.substr(i, PortText.size()) != PortText) return {};
    const size_t digit = i + PortText.size() + 1;
    if (digit >= file.size() || file[digit] < '1' || file[digit] > '8') return {true, std::nullopt};
    return {true, digit};
  }
  return {};
}

std::optional<size_t> PortDigitOffset(std::string_view file) { return FindPortDigit(file).digit; }

bool IsDriverFile(platform::FileSystem& fs, CodePage ansi, const std::string& file, std::string_view header) {
  return FileHasMarker(fs, ansi, file, "Vel_Driver", 30) && FileHasMarker(fs, ansi, file, header, 48);
}

}  // namespace

DriverFile CheckDriverFile(platform::FileSystem& fs, CodePage ansiCodePage, const std::string& file,
                           std::string_view header) {
  if (!IsDriverFile(fs, ansiCodePage, file, header)) return DriverFile::NotADriver;
  const auto contents = platform::ReadFileContents(fs, file);
  if (!contents) return DriverFile::Unreadable;
  const PortSearch search = FindPortDigit(*contents);
  if (!search.textFound) return DriverFile::NoPortText;
  return search.digit ? DriverFile::Patchable : DriverFile::NoPortDigit;
}

DriverPatch PatchDriverPort(InstallerContext& app, const std::string& file, std::string_view header, int port) {
  platform::FileSystem& fs = app.os.files;
  const CodePage ansi = app.os.system.ansiCodePage();
  if (!IsDriverFile(fs, ansi, file, header)) return DriverPatch::NotADriver;
  if (port < 1 || port > 4) {
    app.LogLine("Driver " + file + " keeps its serial port : no port was chosen");
    return DriverPatch::KeptPort;
  }
  app.LogLine("Set driver " + file + " to use COM" + std::to_string(port));
  DriverPatch result = DriverPatch::Failed;
  const auto attributes = fs.attributes(file);
  if (attributes && !(*attributes & attr::ReadOnly)) {
    if (const auto contents = platform::ReadFileContents(fs, file)) {
      if (const auto offset = PortDigitOffset(*contents)) {
        const char digit = static_cast<char>('0' + port);
        if ((*contents)[*offset] == digit) result = DriverPatch::AlreadySet;
        else {
          std::string patched = *contents;
          patched[*offset] = digit;
          if (platform::ReplaceFileContents(fs, file, patched)) result = DriverPatch::Written;
        }
      }
    }
  }
  if (result == DriverPatch::Failed) {
    app.host.ShowMessage(app.texts.TextWith(text::DriverPatchFailed, file));
    app.LogLine("ERROR: Could not patch driver ! " + file);
  }
  return result;
}

}  // namespace velmar
