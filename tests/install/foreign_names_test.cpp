// What another hand may have put where the installer writes, after a real
// install: links at the names it writes through and at its settings files.
// No write of F2 or F4 reaches what such a name leads to. (A project placed
// onto itself by another name is the tree transfer's case.)

#include <gtest/gtest.h>

#include "support/files/folder_link.h"
#include "support/fixture/flow_scripts.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

Script ProductInstall() {
  Script script = test::ProductInstall();
  return test::EndWith(script, "Installation finished");
}

Script PatchInstall() {
  Script script = test::ToSelection();
  test::StartInstall(script, Key::F4).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Click("NextBtn").Page("TPatchReadyForm").Click("NextBtn").Page("TUnzipForm");
  return test::EndWith(script, "Patch finished.\nPatch3501.zip\nhas been installed.");
}

// The names F2 and F4 write through, each made a link to a file of its own
// in Decoy\: the temporary names beside the settings files and beside the
// program a patch replaces, the settings files, the record and the log.
TEST(ForeignNames, NoWriteGoesThroughALinkAtANameTheInstallerWrites) {
  InstallerFixture f;
  f.WriteStandardMedium();
  f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}});
  f.WritePatchArchive("Patch3501.zip", {{"VelmarPM.exe", "patched"}});
  const auto first = f.Run(ProductInstall());
  ASSERT_EQ(first.outcome, Outcome::Finished) << first.endMessage;

  const std::string windows = f.WindowsFolder().substr(f.drive.root().size());
  const std::vector<std::string> names = {
      "Velmar\\Velmar.ini.~tmp", windows + "Vel_Inst.ini.~tmp", "Velmar\\Install\\Setup.ini.~tmp",
      "Velmar\\VelmarPM.exe.vz~", "Velmar\\Velmar.ini",       windows + "Vel_Inst.ini",
      "Velmar\\Install.log"};
  std::vector<std::unique_ptr<test::FolderLink>> links;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string decoy = "Decoy\\" + std::to_string(i) + ".txt";
    f.WriteFile(f.drive.path(decoy), "decoy " + std::to_string(i));
    if (f.Exists(f.drive.path(names[i]))) f.drive.fs().deleteFile(f.drive.path(names[i]));
    links.push_back(std::make_unique<test::FolderLink>(f.drive, names[i], decoy));
    if (!links.back()->made()) GTEST_SKIP() << "this port cannot link a file";
  }
  const auto again = f.Run(ProductInstall());
  EXPECT_EQ(again.outcome, Outcome::Finished) << again.endMessage;
  const auto patched = f.Run(PatchInstall());
  EXPECT_EQ(patched.outcome, Outcome::Finished) << patched.endMessage;

  for (size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(f.ReadFile(f.drive.path("Decoy\\" + std::to_string(i) + ".txt")), "decoy " + std::to_string(i))
        << names[i];
  EXPECT_EQ(f.ReadFile(f.drive.path("Velmar\\VelmarPM.exe")), "patched");
  // The settings files are files again, with what the runs wrote.
  for (const std::string& name : std::vector<std::string>{"Velmar\\Velmar.ini", windows + "Vel_Inst.ini"})
    EXPECT_FALSE(f.drive.fs().attributes(f.drive.path(name)).value_or(attr::ReparsePoint) & attr::ReparsePoint) << name;
  EXPECT_EQ(f.IniValue(f.InstallRecordPath(), "Install", "Velmar"), f.drive.path("Velmar\\"));
  EXPECT_NE(f.IniValue(f.drive.path("Velmar\\Velmar.ini"), "ProjMan", "ProjectsPath"), "<none>");
}

}  // namespace
}  // namespace velmar
