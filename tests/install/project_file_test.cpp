#include "install/project_file.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/temp_drive.h"

namespace velmar {
namespace {

TEST(ProjectFile, ParsesTheProductVersion) {
  const struct {
    const char* text;
    int major, minor;
    bool accepted;
  } cases[] = {{"3.4.10", 3, 4, true}, {"3.12", 3, 12, true}, {"3.x", 3, 2, true}, {"3.", 3, 2, true},
               {"3.-1", 3, -1, true},  {"4.1", 0, 0, false}, {"", 0, 0, false},  {"34", 0, 0, false}};
  for (const auto& c : cases) {
    const ProductVersion v = ParseProductVersion(c.text);
    EXPECT_EQ(std::tie(v.major, v.minor, v.accepted), std::tie(c.major, c.minor, c.accepted)) << c.text;
  }
}

class ProjectFileWrite : public ::testing::Test {
 protected:
  test::TempDrive drive;
  void Write(ProjectFileMode mode, const std::string& project, const std::string& customer, int language,
             const char* version) {
    WriteProjectFile(drive.fs(), CodePage::Cp1252, drive.path("Proj\\Plant.vpr"), mode, project, customer,
                     language, version);
  }
};

TEST_F(ProjectFileWrite, CreateOverAnExistingFileKeepsItsVersionAndTheManagersKeys) {
  drive.writeFile("Proj\\Plant.vpr",
                  "[Project]\r\nProjectName=Old\r\nMajorVer=2\r\nRevision=7\r\nTags=kept\r\n[Config]\r\nLanguage=49\r\n");
  Write(ProjectFileMode::Create, "Plant 7", "Müller", 33, "3.4.10");
  EXPECT_EQ(drive.readFile("Proj\\Plant.vpr"),
            "[Project]\r\nProjectName=Plant 7\r\nMajorVer=2\r\nRevision=7\r\nTags=kept\r\nCustomerName=M\xFCller\r\n"
            "NewProject=1\r\nMinorVer=4\r\n[Config]\r\nLanguage=33\r\n");
}

TEST_F(ProjectFileWrite, UpdateWritesOnlyTheNamesGivenAndNeverNewProject) {
  drive.writeFile("Proj\\Plant.vpr", "[Project]\r\nProjectName=Old\r\nCustomerName=Kept\r\nMinorVer=\r\n");
  Write(ProjectFileMode::Update, "New", "", 7, "4.1");
  EXPECT_EQ(drive.readFile("Proj\\Plant.vpr"),
            "[Project]\r\nProjectName=New\r\nCustomerName=Kept\r\nMinorVer=\r\nMajorVer=0\r\nRevision=0\r\n"
            "[Config]\r\nLanguage=44\r\n");
}

TEST_F(ProjectFileWrite, AMissingFolderOrAReadOnlyFileRaisesTheErrorNamingTheFile) {
  EXPECT_THROW(Write(ProjectFileMode::Create, "P", "C", 44, "3.4"), InstallerError);
  drive.writeFile("Proj\\Plant.vpr", "[Project]\r\n");
  ASSERT_TRUE(drive.fs().setAttributes(drive.path("Proj\\Plant.vpr"), attr::ReadOnly));
  try {
    Write(ProjectFileMode::Create, "P", "C", 44, "3.4");
    ADD_FAILURE() << "no error";
  } catch (const InstallerError& error) {
    EXPECT_NE(std::string(error.what()).find(drive.path("Proj\\Plant.vpr")), std::string::npos) << error.what();
  }
  EXPECT_EQ(drive.readFile("Proj\\Plant.vpr"), "[Project]\r\n");
}

}  // namespace
}  // namespace velmar
