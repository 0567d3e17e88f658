// medcheck run as a program: its exit status on a clean medium, on one with
// warnings only, on one with errors, and with wrong arguments.

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

  EXPECT_EQ(RunMedcheck(folder, output).status, 0);

  medium.Delete("Liesmich.txt");
  EXPECT_EQ(RunMedcheck(folder, output).status, 1);

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
