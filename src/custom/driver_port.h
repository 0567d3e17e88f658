#pragma once
// Setting the serial port in the driver description files (*.vdr) of a
// customer's project: one ASCII digit after the text "ComPortNum[" in the
// file's first 121 bytes.

#include <string>
#include <string_view>

namespace velmar {

struct InstallerContext;

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
