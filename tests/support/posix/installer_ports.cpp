#include "platform/posix/files/posix_files.h"
#include "platform/posix/posix_shell_services.h"
#include "support/installer_fixture.h"

namespace velmar::test {

// The port maps the explorer to a folder opener; "true" opens nothing.
std::unique_ptr<platform::Processes> MakeQuietExplorerProcesses(TempDrive& drive) {
  return platform::MakePosixProcesses(dynamic_cast<platform::PosixFileSystem&>(drive.fs()), "true");
}

}  // namespace velmar::test
