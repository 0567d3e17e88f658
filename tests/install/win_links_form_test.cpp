#include "install/pages/win_links_form.h"

#include <gtest/gtest.h>

#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;
using ui::script::ScriptHost;

TEST(ShortcutsPage, GivesBackTheFolderAndCheckBoxesWhateverClosesThePage) {
  struct Case {
    Script script;
    PageResult result;
    std::string group;
    bool desktop, autostart;
  };
  const std::string german = "language 49\n94\tVelmar-Gruppe\n";
  Case cases[] = {
      {Script().Page("TWinLinksForm").Type("LinkFolderEdit", "  Plant tools ").Uncheck("DesktopCB").Click("PrevBtn"),
       prPrev, "Plant tools", false, false},
      {Script().Page("TWinLinksForm").Type("LinkFolderEdit", " ").Check("AutostartCB").Click("CancelBtn"),
       prCancel, "Velmar-Gruppe", true, true},
      {Script().Page("TWinLinksForm").Click("NextBtn"), prNext, "Velmar", true, false},
  };
  for (Case& c : cases) {
    ScriptHost host(std::move(c.script));
    test::InstallerTestContext t(host);
    if (c.group == "Velmar-Gruppe") t.LoadLanguage(german);
    TWinLinksForm page(t.app);
    InstallSession& s = t.session;
    s.StartMenuGroup = "Velmar";
    s.DesktopLinks = true;
    s.Autostart = false;
    PageResult result = prNone;
    EXPECT_EQ(host.Run([&] {
      result = page.Execute();
      return Outcome::Finished;
    }),
              Outcome::Finished)
        << host.EndMessage();
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(s.StartMenuGroup, c.group);
    EXPECT_EQ(s.DesktopLinks, c.desktop);
    EXPECT_EQ(s.Autostart, c.autostart);
    // Prev is enabled although the page comes first in no flow.
    EXPECT_EQ(test::ControlLine(test::PageBlock(host.TranscriptText(), "TWinLinksForm"), "PrevBtn"),
              "PrevBtn: button \"_Prev\"");
  }
}

// The group is a path of plain names below the programs folder: one that
// climbs out or names a drive keeps the page on Next.
TEST(ShortcutsPage, NextOnlyWithAGroupThatStaysBelowThePrograms) {
  for (const char* group : {"..\\..\\..\\Data", "C:\\Data", "\\Data", "Velmar\\..\\..", "Velmar\\\\Tools"}) {
    SCOPED_TRACE(group);
    ScriptHost host(Script().Page("TWinLinksForm").Type("LinkFolderEdit", group).Click("NextBtn").Click("CancelBtn"));
    test::InstallerTestContext t(host);
    TWinLinksForm page(t.app);
    EXPECT_EQ(host.Run([&] { return page.Execute() == prCancel ? Outcome::Finished : Outcome::Failed; }),
              Outcome::Finished)
        << host.EndMessage();
    EXPECT_TRUE(test::Contains(host.TranscriptText(), "> click NextBtn\n  StatBar: status line \"ERROR: Invalid name\"\n"))
        << host.TranscriptText();
  }
  for (const char* group : {"Velmar\\Tools", "Velmar\\", "Plant tools"}) EXPECT_TRUE(IsStartMenuGroup(group)) << group;
}

}  // namespace
}  // namespace velmar
