#pragma once
// Setting the serial port in the driver description files (*.vdr) of a
// customer's project: one ASCII digit after the text "ComPortNum[" in the
// file's first 121 bytes.

#include <string>
#include <string_view>

#include "base/codepage.h"
#include "platform/files/file_system.h"

namespace velmar {

struct InstallerContext;

// The header text of a BRENTA project's driver description files.
constexpr std::string_view BrentaDriverHeader = "THalvikForm";

// What PatchDriverPort would find in a file, before it writes anything.
enum class DriverFile {
  NotADriver,   // lacks the driver marker or the header text: passed over
  Unreadable,   // could not be read
  NoPortText,   // "ComPortNum[" is not where the port is looked for
  NoPortDigit,  // no digit 1 to 8 at the port's place
  Patchable,
};
DriverFile CheckDriverFile(platform::FileSystem& fs, CodePage ansiCodePage, const std::string& file,
                           std::string_view header);

enum class DriverPatch {
  NotADriver,  // the file lacks the driver marker or the header text: passed over
  Written,     // the port digit was changed
  AlreadySet,  // the digit was the port's already
  KeptPort,    // no port was chosen: the file keeps its digit
  Failed,      // could not be read or written, or holds no port digit
};

// Writes the digit of port (1 to 4) over the file's port digit. With port 0
// (none chosen) the file is left as it is and the log says so. A failure is
// shown and logged; the file is then unchanged.
DriverPatch PatchDriverPort(InstallerContext& app, const std::string& file, std::string_view header, int port);

}  // namespace velmar
