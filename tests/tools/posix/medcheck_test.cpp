// medcheck run as a program: its report and exit status on a clean medium, on
// one with warnings only, on one with errors, and with wrong arguments.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "tools/medium_fixture.h"

namespace velmar {
namespace {

struct Result {
  int status = -1;
  std::string out;
};

Result RunMedcheck(const std::string& arguments, const std::string& output) {
  const std::string line = std::string(VELMAR_MEDCHECK) + " " + arguments + " >'" + output + "' 2>&1";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadHost(output)};
}

TEST(Medcheck, ReportsEachFindingAndExitsWithTheWorstWeight) {
  test::Medium medium;
  const std::string root = medium.drive.hostRoot();
  const std::string folder = "'" + root + "Medium'";
  const std::string output = root + "report.txt";

  const Result clean = RunMedcheck(folder, output), verbose = RunMedcheck("--verbose " + folder, output);
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.out, "0 errors, 0 warnings\n");
  EXPECT_EQ(verbose.status, 0);
  EXPECT_NE(verbose.out.find("  Site\n    Site.zip : [Site\\Site.VPR]\n"), std::string::npos) << verbose.out;

  medium.Delete("Liesmich.txt");
  const Result warnings = RunMedcheck(folder, output);
  EXPECT_EQ(warnings.status, 1);
  EXPECT_EQ(warnings.out, "warning: Liesmich.txt: missing: F6 shows no readme in German\n0 errors, 1 warning\n");

  medium.Delete("Velmar.L48");
  const Result errors = RunMedcheck(folder, output);
  EXPECT_EQ(errors.status, 2);
  EXPECT_EQ(errors.out,
            "error: Velmar.L48: missing: the installer stops in this language\n"
            "warning: Liesmich.txt: missing: F6 shows no readme in German\n1 error, 1 warning\n");

  EXPECT_EQ(RunMedcheck("", output).status, 3);
  EXPECT_EQ(RunMedcheck("'" + root + "Nothing'", output).status, 3);
}

}  // namespace
}  // namespace velmar
