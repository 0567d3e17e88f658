#include "projects/unique_name_dlg.h"

#include <gtest/gtest.h>

#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

// Whatever is typed, the name stays in the folder of the taken one with its
// extension; a name taken too, or none, cannot be confirmed.
TEST(TUniqueNameDlg, KeepsFolderAndExtensionAndReturnsOnlyAFreeName) {
  struct Case {
    Script script;
    std::string result;  // drive-relative; "" none
    std::string shown;   // what the box shows after the Enter, when not empty
  };
  const Case cases[] = {
      {Script().Type("NameEdit", "New").Key(Key::Enter), "Links\\New.LNK"},
      {Script().Type("NameEdit", " C:\\Other\\sub/Fresh.txt ").Click("OkBtn"), "Links\\Fresh.LNK"},
      {Script().Type("NameEdit", "C:\\Other\\taken.lnk").Key(Key::Enter).Click("CancelBtn"), "", "Links\\taken.LNK"},
      {Script().Type("NameEdit", " .lnk").Key(Key::Enter).Key(Key::Escape), ""},
  };
  for (const Case& c : cases) {
    Script script = Script().Page("TUniqueNameDlg");
    for (const auto& step : c.script.Steps()) script.Add(step);
    ui::script::ScriptHost host(script);
    test::InstallerTestContext t(host);
    t.drive.writeFile("Links\\Site.LNK", "link");
    t.drive.writeFile("Links\\Taken.LNK", "link");
    std::string result = "<not run>";
    EXPECT_EQ(host.Run([&] {
      result = TUniqueNameDlg(t.app).Execute(t.drive.path("Links\\Site.LNK"));
      return Outcome::Finished;
    }),
              Outcome::Finished)
        << host.EndMessage();
    EXPECT_EQ(result, c.result.empty() ? "" : t.drive.path(c.result)) << host.TranscriptText();
    if (!c.shown.empty()) {
      // Taken as well: the dialog stays, OK disabled and the status line as they were.
      EXPECT_TRUE(test::Contains(host.TranscriptText(),
                                 "> key Enter\n  NameEdit: edit \"" + t.drive.path(c.shown) + "\"\n> click"));
    }
  }
}

}  // namespace
}  // namespace velmar
