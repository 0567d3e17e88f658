#include "support/shell_ports.h"

#include <filesystem>

#include "support/child_modes.h"

#include "platform/posix/files/posix_files.h"
#include "platform/posix/posix_shell_services.h"

namespace velmar::test {

TestRegistry::TestRegistry(TempDrive& drive)
    : registry_(platform::MakePosixRegistry(drive.fs(), platform::DefaultRegistryFile(drive.fs()), "tester")),
      base_(UniqueName("Software\\VelmarTest")) {}

TestRegistry::~TestRegistry() = default;  // the file goes with the drive

std::unique_ptr<platform::Shortcuts> MakePortShortcuts(TempDrive& drive) {
  return platform::MakePosixShortcuts(drive.fs());
}

std::unique_ptr<platform::Processes> MakePortProcesses(TempDrive& drive) {
  return platform::MakePosixProcesses(dynamic_cast<platform::PosixFileSystem&>(drive.fs()));
}

std::unique_ptr<platform::Mutexes> MakePortMutexes() { return platform::MakePosixMutexes(); }

std::string TestDataPath(const std::string& relative) {
  std::string path = std::string(VELMAR_TEST_DATA) + "/" + relative;
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string ThisProgramHostPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

}  // namespace velmar::test
