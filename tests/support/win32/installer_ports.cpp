#include "base/text_case.h"
#include "platform/win32/win32_shell_services.h"
#include "support/child_modes.h"
#include "support/installer_fixture.h"

namespace velmar::test {
namespace {

// A real explorer window would outlive the test; this program itself, started
// to end at once, stands in for it.
class QuietExplorer : public platform::Processes {
 public:
  std::unique_ptr<platform::Process> Start(const std::string& commandLine, platform::WindowShow show) override {
    const bool explorer = SameText(commandLine.substr(0, 12), "explorer.exe");
    return port_->Start(explorer ? ChildCommand(*port_, "exit:0") : commandLine, show);
  }
  std::string ProgramPath() override { return port_->ProgramPath(); }

 private:
  std::unique_ptr<platform::Processes> port_ = platform::MakeWin32Processes();
};

}  // namespace

std::unique_ptr<platform::Processes> MakeQuietExplorerProcesses(TempDrive&) {
  return std::make_unique<QuietExplorer>();
}

}  // namespace velmar::test
