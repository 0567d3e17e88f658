// Each function of the installer run whole with every file-service call
// failed in turn (faults/fault_sweep.h): F2 the product installation, F3 a
// customer's install on the same medium, F4 a patch, F5 a project from the
// medium, F8 the uninstallation of what F2 installed.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"
#include "platform/registry.h"
#include "services/shell/shell.h"
#include "text/texts.h"

namespace velmar {
namespace {

using platform::RootKey;
using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

const std::map<std::string, std::string> UnzipAndFolderPresses = {{"TUnzipForm", "CancelBtn"},
                                                                  {"TMainInstallForm", "NextBtn"}};

std::vector<std::string> ShellFolders(InstallerFixture& f, std::vector<std::string> places) {
  for (const char* folder : {"Programs", "Desktop", "Startup"})
    places.push_back(ReadShellFolder(f.registry.registry(), ShellFoldersKey, folder));
  return places;
}

// --- F2: two releases (the newest with sub-folders and the three programs),
// the demo project, and a product folder whose Velmar.ini and an
// installation record with keys of their own must keep them.

void WriteProductMedium(InstallerFixture& f) {
  f.WriteStandardMedium();
  f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}});
  f.WriteProductArchive("Velmar3410.zip", {{"VelmarPM.exe", "3410"},
                                           {"VelmarArc.exe", "viewer"},
                                           {"VelmarSms.exe", "sms"},
                                           {"Help/Manual.txt", std::string(70000, 'm')},
                                           {"Drivers/Brenta/Port.vdr", "[Port]\r\nCom=1\r\n"}});
  f.WriteZip("Projects\\Demo\\Demo.zip", {{"Demo.vpr", "[Project]\r\nName=Demo\r\n"}, {"Pictures/Plant.bmp", "BM"}});
  f.WriteFile(f.drive.path("Velmar\\Velmar.ini"), "[ProjMan]\r\nLanguage=49\r\n[Own]\r\nKeep=1\r\n");
  f.WriteFile(f.InstallRecordPath(), "[Other]\r\nKeep=1\r\n");
}

// The newest release, desktop and Startup shortcuts, a new user project
// "Water works" as the default project, the demo project.
// F2 or F3 up to the shortcuts page, with the newest release chosen.
Script NewestRelease(Key key) {
  Script script = test::ToSelection();
  test::StartInstall(script, key).Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.010 - Newest version").Click("NextBtn");
  return std::move(script.Page("TWinLinksForm"));
}

Script ProductInstallScript(InstallerFixture&) {
  Script script = NewestRelease(Key::F2);
  script.Check("DesktopCB").Check("AutostartCB").Click("NextBtn");
  script.Page("TProjectOptionsForm").Check("MakeProjCB").Type("PrjNameEdit", "Water works");
  script.Type("CustNameEdit", "City").Type("VprNameEdit", "Water").Type("LinkNameEdit", "Water works");
  script.Check("DefProjCB").Click("NextBtn");
  script.Page("TDemoInstallForm").Check("DemoCB").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

std::vector<std::string> ProductInstallPlaces(InstallerFixture& f) {
  return ShellFolders(f, {f.drive.path("Velmar\\"), f.drive.path("VelProj\\"), f.InstallRecordPath(),
                          f.SetupIniPath()});
}

TEST(Faults, ProductInstallation) {
  test::ExpectPromisesKept({.name = "F2",
                            .prepare = WriteProductMedium,
                            .script = ProductInstallScript,
                            .places = ProductInstallPlaces,
                            .userPresses = UnzipAndFolderPresses,
                            .mayNotCome = {"TUnzipForm"}},
                           100);
}

// --- F3: the one customer's install (no choice page), its project unpacked
// from the custom folder, stamped with the customer's names, its driver files
// set to a port, and the custom folder copied into the installer's copy.

void PrepareCustomMedium(InstallerFixture& f) {
  WriteProductMedium(f);
  f.WriteMediumFile("Custom\\Custom.ini",
                    "[CustomInstalls]\r\n1=Works\r\n"
                    "[Works]\r\nType=Brenta\r\nFolder=Works\r\nTitle44=Works\r\nTitle49=Werk\r\nSelect44=Works plant\r\n"
                    "ProjectName=Line one\r\nCustomerName=Works Ltd\r\nShortcutName=Works line\r\n");
  std::string driver = std::string("\x01\x02Vel_Driver\x00\x10THalvikForm", 26);
  driver.resize(60, '\0');
  f.WriteZip("Custom\\Works\\Works.zip", {{"Works/Line1.VPR", "[Project]\r\nCustomerName=Kept\r\n"},
                                          {"Works/Pump.vdr", driver + "ComPortNum[\x05" "1]rest"},
                                          {"Works/Screens/Main.scr", "screen"}});
  f.WriteMediumFile("Custom\\Works\\Logo.bmp", "BM");
}

Script CustomInstallScript(InstallerFixture&) {
  Script script = NewestRelease(Key::F3);
  script.Check("DesktopCB").Click("NextBtn");
  script.Page("TBrentaPickVprForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
  script.Page("TBrentaPortForm").Click("NextBtn").Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

TEST(Faults, CustomInstallation) {
  test::ExpectPromisesKept({.name = "F3",
                            .prepare = PrepareCustomMedium,
                            .script = CustomInstallScript,
                            .places = ProductInstallPlaces,
                            .userPresses = UnzipAndFolderPresses,
                            .mayNotCome = {"TUnzipForm"},
                            .notOffered = {{"TBrentaPickVprForm", test::CancelToTheEnd()}}},
                           100);
}

// --- F4: files replaced without questions, a read-only one among them, and
// new sub-folders. It writes the product folder, which holds the log, and the
// settings written back.

void PreparePatchMedium(InstallerFixture& f) {
  f.WriteStandardMedium();
  f.WriteZip("Patch\\Patch3501.zip",
             {{"VelmarArc.exe", "new viewer"}, {"VelmarPM.exe", std::string(30000, 'p')},
              {"Bin/Drivers/Brenta.drv", "driver"}},
             {.comment = "Viewer and driver"});
  f.WritePatchArchive("Patch3502.zip");
  f.InstallProductAt("Velmar");
  f.WriteFile(f.drive.path("Velmar\\VelmarArc.exe"), "old viewer");
  f.SetReadOnly(f.drive.path("Velmar\\VelmarArc.exe"));
}

Script PatchInstallScript(InstallerFixture&) {
  Script script = test::ToSelection();
  test::StartInstall(script, Key::F4);
  script.Page("TMainInstallForm").Click("NextBtn");
  script.Page("TInstallPatchForm").Select("PatchLB", "Patch3501.zip").Click("NextBtn");
  script.Page("TPatchReadyForm").Click("NextBtn").Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

TEST(Faults, PatchInstallation) {
  test::ExpectPromisesKept(
      {.name = "F4",
       .prepare = PreparePatchMedium,
       .script = PatchInstallScript,
       .places = [](InstallerFixture& f) { return std::vector<std::string>{f.drive.path("Velmar\\"), f.SetupIniPath()}; },
       .userPresses = UnzipAndFolderPresses},
      30);
}

// --- F5: an archive with sub-folders unpacked into a temporary folder, moved
// into the projects folder and given its shortcut. It writes the projects
// folder (the temporary unzip folder lies in it), the product folder with the
// log and the project shortcuts, and the settings written back.

void PrepareProjectMedium(InstallerFixture& f) {
  f.WriteStandardMedium();
  f.WriteZip("Projects\\Site\\Site.zip",
             {{"Site/Site.VPR", "[Project]\r\nName=Site\r\n"},
              {"Site/Screens/Main.scr", std::string(40000, 's')},
              {"Site/Drivers/Pump.vdr", "driver"}},
             {.comment = "The site"});
}

Script ProjectInstallScript(InstallerFixture&) {
  Script script = test::ToSelection();
  script.Key(Key::F5).Page("TPickProjectForm").Select("ProjectTV", "Site.zip : [Site\\Site.VPR]").Click("NextBtn");
  script.Page("TProjectCheckForm").Click("NextBtn").Page("TReadyToInstProjForm").Click("NextBtn");
  script.Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

TEST(Faults, ProjectInstallation) {
  test::ExpectPromisesKept({.name = "F5",
                            .prepare = PrepareProjectMedium,
                            .script = ProjectInstallScript,
                            .places = [](InstallerFixture& f) {
                              return std::vector<std::string>{f.drive.path("VelProj\\"), f.drive.path("Velmar\\"),
                                                              f.SetupIniPath()};
                            },
                            .userPresses = {{"TUnzipForm", "CancelBtn"}}},
                           30);
}

// --- F8 on a machine where F2 installed the product: the programs, folders,
// shortcuts, registry settings and installer copy go, and whatever else a
// failure may bring it to, the user's projects, the user's own files and the
// Windows folder stay.

void PrepareInstalledProduct(InstallerFixture& f) {
  WriteProductMedium(f);
  f.onMessage = [](const std::string&, ui::Buttons buttons) -> std::optional<ui::Answer> {
    if (buttons.Has(ui::Answer::Ok)) return ui::Answer::Ok;
    return std::nullopt;
  };
  const test::InstallerRun run = f.Run(ProductInstallScript(f));
  f.onMessage = nullptr;
  EXPECT_EQ(run.outcome, ui::script::Outcome::Finished) << "the product installation: " << run.endMessage;
  platform::Registry& r = f.registry.registry();
  r.WriteString(RootKey::LocalMachine, "Software\\Kravo\\Velmar\\3.4", "Path", f.drive.path("Velmar"));
  r.WriteString(RootKey::ClassesRoot, ".VPR", "", "VelmarProject");
  r.WriteString(RootKey::ClassesRoot, "VelmarProject\\shell\\open\\command", "", "VelmarPM.exe %1");
  // What the installation did not make: the user's files beside it.
  f.WriteFile(f.drive.path("Velmar\\Notes.txt"), "the user's notes");
  f.WriteFile(f.drive.path("VelProj\\Plans\\Plan.vpr"), "[Project]\r\n");
  f.WriteFile(f.WindowsFolder() + "Win.ini", "[Windows]\r\n");
  f.WriteFile(f.WindowsFolder() + "System32\\Velmar.dll", "the system's");
  f.WriteFile(f.drive.path("Velmar.ini"), "[Root]\r\n");
  // The project shortcuts folder loses only shortcuts.
  f.WriteFile(f.drive.path("Velmar\\Projects\\Plan.txt"), "the user's plan");
  f.WriteFile(f.drive.path("Velmar\\Projects\\Old\\Site.vpr.bak"), "an old project");
}

// It writes the product folder with its installer copy, the shortcut
// folders and the registry.
std::vector<std::string> UninstallPlaces(InstallerFixture& f) {
  std::vector<std::string> places = ShellFolders(f, {f.drive.path("Velmar\\")});
  for (const std::string& file : test::RegistryFiles(f)) places.push_back(file);
  return places;
}

std::vector<std::string> MustStay(InstallerFixture& f) {
  return {f.drive.path("VelProj\\"), f.WindowsFolder(), f.drive.path("Velmar\\Notes.txt"),
          f.drive.path("Velmar.ini"), f.drive.path("Velmar\\Projects\\Plan.txt"),
          f.drive.path("Velmar\\Projects\\Old\\Site.vpr.bak")};
}

TEST(Faults, Uninstallation) {
  test::ExpectPromisesKept({.name = "F8",
                            .prepare = PrepareInstalledProduct,
                            .script = [](InstallerFixture&) {
                              return test::ToSelection().Key(Key::F8).Page("TUnInstallDlg").Check("VelmarCB").Click("OkBtn");
                            },
                            .places = UninstallPlaces,
                            .notOffered = {{"TUnInstallDlg", test::CancelToTheEnd()}},
                            .keep = MustStay,
                            .withErrorsText = std::string(text::EnglishOf(text::UninstallFinishedWithErrors)),
                            .removes = true},
                           40);
}

}  // namespace
}  // namespace velmar
