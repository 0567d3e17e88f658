#include "support/shell_ports.h"

#include "support/child_modes.h"

#include "platform/win32/win32_shell_services.h"

namespace velmar::test {

TestRegistry::TestRegistry(TempDrive&)
    : registry_(platform::MakeWin32Registry()), base_(UniqueName("Software\\VelmarTest")) {}

TestRegistry::~TestRegistry() { registry_->DeleteKey(platform::RootKey::CurrentUser, base_); }

const bool ShellFoldersAreTheMachines = true;

std::unique_ptr<platform::Shortcuts> MakePortShortcuts(TempDrive&) { return platform::MakeWin32Shortcuts(); }

std::unique_ptr<platform::Processes> MakePortProcesses(TempDrive&) { return platform::MakeWin32Processes(); }

std::unique_ptr<platform::Mutexes> MakePortMutexes() { return platform::MakeWin32Mutexes(); }

// The Windows build runs under Wine, where the source tree lies on drive Z:.
std::string TestDataPath(const std::string& relative) {
  std::string path = std::string(VELMAR_TEST_DATA) + "\\" + relative;
  if (path.front() == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ThisProgramHostPath() { return platform::MakeWin32Processes()->ProgramPath(); }

}  // namespace velmar::test
