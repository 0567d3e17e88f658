#include "services/shell/shell.h"

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/shortcuts.h"
#include "support/child_modes.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using platform::RootKey;
using platform::WindowShow;
using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

// Counts how often the window was let to handle its messages.
class CountingHost : public ScriptHost {
 public:
  using ScriptHost::ScriptHost;
  void PumpMessages() override { ++pumps; }
  int pumps = 0;
};

struct ShellRun {
  explicit ShellRun(Script script = Script()) : host(std::move(script)) {}
  // Runs the work as the program under the script; the outcome must be finished.
  void Play(const std::function<void()>& work) {
    const Outcome outcome = host.Run([&] {
      work();
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished) << host.EndMessage();
  }
  CountingHost host;
  test::InstallerTestContext t{host};
};

TEST(ShellFolders, ComeWithOneTrailingBackslashOrEmpty) {
  ShellRun run;
  platform::Registry& registry = run.t.registry.registry();
  const std::string key = run.t.registry.key("Shell Folders");
  const struct {
    const char *name, *stored, *asked, *read;
  } cases[] = {{"Programs", "C:\\Users\\Ann\\Start Menu\\Programs", "Programs", "C:\\Users\\Ann\\Start Menu\\Programs\\"},
               {"Desktop", "C:\\Users\\Ann\\Desktop\\", "desktop", "C:\\Users\\Ann\\Desktop\\"},
               {"Startup", "", "Startup", ""},
               {nullptr, nullptr, "Favorites", ""}};
  for (const auto& c : cases) {
    if (c.name) {
      ASSERT_TRUE(registry.WriteString(RootKey::CurrentUser, key, c.name, c.stored));
    }
    EXPECT_EQ(ReadShellFolder(registry, key, c.asked), c.read) << c.asked;
  }
}

// A shortcut works in its target's folder.
TEST(Shortcuts, WorkInTheTargetsFolder) {
  ShellRun run;
  test::TempDrive& drive = run.t.drive;
  drive.makeFolder("Menu");
  const std::string target = drive.path("Velmar\\Velmar.exe");
  run.Play([&] { EXPECT_TRUE(CreateShortcut(run.t.app, drive.path("Menu\\Velmar.lnk"), target, "Velmar")); });
  EXPECT_EQ(run.t.shortcuts->ReadShortcut(drive.path("Menu\\Velmar.lnk")),
            test::Shortcut(target, drive.path("Velmar\\"), "Velmar"));
}

// The product folder has a blank in its name, and a program lies where an
// unquoted command line would look first.
TEST(ProjectManager, IsRegisteredMinimisedFromAFolderWithBlanks) {
  ShellRun run;
  test::PlaceStandIn(run.t.drive, "Velmar Test\\VelmarPM.exe", "exit:0");
  test::PlaceStandIn(run.t.drive, "Velmar.exe", "exit:0");
  run.t.session.VelmarPath = run.t.drive.path("Velmar Test");
  run.Play([&] { RegisterProjectManager(run.t.app); });
  const auto& started = run.t.processes.started();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].commandLine, "\"" + run.t.drive.path("Velmar Test\\VelmarPM.exe") + "\" /regserver");
  EXPECT_EQ(started[0].show, WindowShow::Minimized);
  EXPECT_LT(run.host.pumps, 21);
  EXPECT_FALSE(run.t.drive.exists("Velmar.exe.args"));
}

TEST(ProjectManager, ARegistrationThatTakesLongerIsLeftRunningAfterTwentyOneWaits) {
  ShellRun run;
  test::PlaceStandIn(run.t.drive, "Velmar\\VelmarPM.exe", "sleep:15000");
  run.Play([&] { RegisterProjectManager(run.t.app); });
  const auto& started = run.t.processes.started();
  ASSERT_EQ(started.size(), 1u);
  ASSERT_TRUE(started[0].process);
  EXPECT_EQ(run.host.pumps, 21);
  EXPECT_FALSE(started[0].process->HasEnded());
  EXPECT_TRUE(started[0].process->Terminate());
  EXPECT_TRUE(started[0].process->Wait(20000));
}

}  // namespace
}  // namespace velmar
