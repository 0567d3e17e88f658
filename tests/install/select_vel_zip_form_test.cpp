#include "install/pages/select_vel_zip_form.h"

#include <gtest/gtest.h>

#include "install/page_run.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;

// Shows the page `times` times; the script must end with them. The version
// chosen after each.
struct VersionPageRun : test::PageRun<TSelectVelZipForm> {
  using PageRun::PageRun;
  std::vector<int> Execute(int times) {
    std::vector<int> chosen;
    Show([&](TSelectVelZipForm& form) {
      for (int i = 0; i < times; ++i) {
        form.Execute(1, false);
        chosen.push_back(t.session.SelectedVersion);
      }
      return prNone;
    });
    return chosen;
  }
};

TEST(VersionPage, ListsTheReleasesByNameNewestFirstAndOpensOnTheTopRowEachTime) {
  VersionPageRun run(Script()
                         .Page("TSelectVelZipForm")
                         .Select("VersionLB", "VELMAR Release 3.02.005")
                         .Click("NextBtn")
                         .Page("TSelectVelZipForm")
                         .Click("CancelBtn"));
  // By name, so the five-digit 13100 comes first and 3410 is the newest; 3200
  // is no release.
  run.t.session.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3410.ZIP", 3410},
                                      {"D:\\VELMAR\\VELMAR3200.ZIP", 3200},
                                      {"D:\\VELMAR\\VELMAR13100.ZIP", 13100},
                                      {"D:\\VELMAR\\VELMAR3205.ZIP", 3205}};
  EXPECT_EQ(run.Execute(2), (std::vector{3205, 3410}));
  ASSERT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  const std::string rows =
      "  SelectLbl: label \"Select version to install\"\n"
      "  VersionLB: list box\n"
      "    * VELMAR Release 3.04.010 - Newest version\n"
      "    - VELMAR Release 3.02.005\n"
      "    - VELMAR Release 1.03.010\n";
  for (int nth : {0, 1}) EXPECT_TRUE(test::Contains(test::PageBlock(run.host.TranscriptText(), "TSelectVelZipForm", nth), rows));
}

TEST(VersionPage, WithoutAReleaseNothingIsChosen) {
  VersionPageRun run(Script().Page("TSelectVelZipForm").Click("NextBtn"));
  run.t.session.SelectedVersion = 3410;
  run.t.session.ProductArchiveList = {{"D:\\VELMAR\\VELMAR3100.ZIP", 3100}};
  EXPECT_EQ(run.Execute(1), std::vector{0});
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
}

}  // namespace
}  // namespace velmar
