// The smaller pages of the product installation: the release list, the
// shortcuts, the demo project and the ready page.

#include <gtest/gtest.h>

#include "install/page_run.h"
#include "install/product_pages.h"

namespace velmar {
namespace {

using test::ControlLine;
using ui::script::Outcome;
using ui::script::Script;

// By name, so the five-digit 13100 comes first and 3410 is the newest; 3200
// is no release. The page opens on the top row each time; without a release
// nothing is chosen.
TEST(TSelectVelZipForm, ListsTheReleasesByNameNewestFirstAndOpensOnTheTopRowEachTime) {
  test::PageRun<TSelectVelZipForm> run(Script().Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.02.005")
                                           .Click("NextBtn").Page("TSelectVelZipForm").Click("CancelBtn")
                                           .Page("TSelectVelZipForm").Click("NextBtn"));
  InstallSession& s = run.t.session;
  s.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3410.ZIP", 3410}, {"D:\\VELMAR\\VELMAR3200.ZIP", 3200},
                          {"D:\\VELMAR\\VELMAR13100.ZIP", 13100}, {"D:\\VELMAR\\VELMAR3205.ZIP", 3205}};
  std::vector<int> chosen;
  run.Show([&](TSelectVelZipForm& page) {
    for (int i = 0; i < 3; ++i) {
      if (i == 2) s.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3100.ZIP", 3100}};
      page.Execute(1, false);
      chosen.push_back(s.SelectedVersion);
    }
    return prNone;
  });
  EXPECT_EQ(chosen, (std::vector{3205, 3410, 0}));
  EXPECT_TRUE(test::Contains(test::PageBlock(run.Transcript(), "TSelectVelZipForm", 1),
                             "  VersionLB: list box\n    * VELMAR Release 3.04.010 - Newest version\n"
                             "    - VELMAR Release 3.02.005\n    - VELMAR Release 1.03.010\n"));
}

// The group is a path of plain names below the programs folder: one that
// climbs out or names a drive keeps the page on Next.
TEST(TWinLinksForm, NextOnlyWithAGroupThatStaysBelowThePrograms) {
  for (const char* group : {"..\\..\\..\\Data", "C:\\Data", "\\Data", "Velmar\\\\Tools"}) {
    SCOPED_TRACE(group);
    test::PageRun<TWinLinksForm> run(Script().Page("TWinLinksForm").Type("LinkFolderEdit", group).Click("NextBtn").Click("CancelBtn"));
    EXPECT_EQ(run.Show([](TWinLinksForm& page) { return page.Execute(); }), prCancel) << run.host.EndMessage();
    EXPECT_TRUE(test::Contains(run.Transcript(), "> click NextBtn\n  StatBar: status line \"ERROR: Invalid name\"\n"));
  }
  for (const char* group : {"Velmar\\Tools", "Velmar\\", "Plant tools"}) EXPECT_TRUE(IsStartMenuGroup(group)) << group;
}

TEST(TReadyToInstallForm, NamesTheChosenOrNewestReleaseAndItsFolder) {
  struct Case {
    bool withReleases;
    int selected;
    const char* button;
    PageResult result;
    std::string ready;
    int selectedAfter;
  } cases[] = {
      // The newest release is the last by name: 3410 after 12000.
      {true, 0, "NextBtn", prInstall, "Ready to install Velmar Release 3.04.010", 3410},
      {true, 3205, "PrevBtn", prPrev, "Ready to install Velmar Release 3.02.005", 3205},
      {false, 0, "CancelBtn", prCancel, "Ready to install Velmar Release", 0},
  };
  for (const Case& c : cases) {
    test::PageRun<TReadyToInstallForm> run(Script().Page("TReadyToInstallForm").Click(c.button));
    InstallSession& s = run.t.session;
    if (c.withReleases) s.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3410.ZIP", 3410}, {"D:\\VELMAR\\VELMAR12000.ZIP", 12000}};
    s.SelectedVersion = c.selected;
    EXPECT_EQ(run.Show([](TReadyToInstallForm& page) { return page.Execute(); }), c.result) << c.ready;
    EXPECT_TRUE(test::Contains(run.Opened(), "  ReadyLbl: label \"" + c.ready + "\"\n"));
    EXPECT_EQ(s.SelectedVersion, c.selectedAfter);
  }
}

}  // namespace
}  // namespace velmar
