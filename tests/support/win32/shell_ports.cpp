#include "support/shell_ports.h"

#include "support/child_modes.h"

#include "platform/win32/win32_shell_services.h"
#include "support/win32/sandbox_registry.h"

namespace velmar::test {

// The user's shell folders lie in the test's drive, as the POSIX port's do.
TestRegistry::TestRegistry(TempDrive& drive)
    : registry_(std::make_unique<SandboxRegistry>(platform::MakeWin32Registry(), UniqueName("Software\\VelmarTest"))),
      base_("Software\\VelmarTest") {
  const std::string profile = drive.path("Users\\tester");
  const std::string programs = profile + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
  const std::string shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  registry_->WriteString(platform::RootKey::CurrentUser, shellFolders, "Desktop", profile + "\\Desktop");
  registry_->WriteString(platform::RootKey::CurrentUser, shellFolders, "Programs", programs);
  registry_->WriteString(platform::RootKey::CurrentUser, shellFolders, "Startup", programs + "\\Startup");
  drive.makeFolder("Users\\tester\\Desktop");
  drive.makeFolder("Users\\tester\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup");
}

TestRegistry::~TestRegistry() { static_cast<SandboxRegistry&>(*registry_).Remove(); }

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
