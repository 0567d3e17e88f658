// The product installation with every file-service call failed in turn: a
// release with sub-folders and the three programs, a new user project as the
// default, the demo project, desktop and Startup shortcuts, over a product
// folder whose Velmar.ini and an installation record with keys of their own
// must keep them.

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"
#include "services/shell/shell.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

void PrepareProductMedium(InstallerFixture& f) {
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

Script ProductInstallScript(InstallerFixture&) {
  Script script = test::ToSelection();
  script.Key(Key::F2).Page("TWelcomeForm").Click("NextBtn").Page("TLicenceForm").Click("AcceptBtn");
  script.Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.010 - Newest version").Click("NextBtn");
  script.Page("TWinLinksForm").Check("DesktopCB").Check("AutostartCB").Click("NextBtn");
  script.Page("TProjectOptionsForm").Check("MakeProjCB").Type("PrjNameEdit", "Water works");
  script.Type("CustNameEdit", "City").Type("VprNameEdit", "Water").Type("LinkNameEdit", "Water works");
  script.Check("DefProjCB").Click("NextBtn");
  script.Page("TDemoInstallForm").Check("DemoCB").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

// The product, projects and shortcut folders, the installation record, the
// user's shell folders and the settings written back into Setup.ini.
std::vector<std::string> ProductInstallPlaces(InstallerFixture& f) {
  std::vector<std::string> places{f.drive.path("Velmar\\"), f.drive.path("VelProj\\"), f.InstallRecordPath(),
                                  f.SetupIniPath()};
  for (const char* folder : {"Programs", "Desktop", "Startup"})
    places.push_back(ReadShellFolder(f.registry.registry(), ShellFoldersKey, folder));
  return places;
}

TEST(Faults, ProductInstallation) {
  const test::FaultedFlow flow{.name = "F2",
                               .prepare = PrepareProductMedium,
                               .script = ProductInstallScript,
                               .places = ProductInstallPlaces,
                               .userPresses = {{"TUnzipForm", "CancelBtn"}, {"TMainInstallForm", "NextBtn"}},
                               .mayNotCome = {"TUnzipForm"}};
  const test::FaultSweep sweep = test::SweepFaults(flow, test::FaultRunBudget());
  std::printf("%s\n", sweep.Summary(flow.name).c_str());
  EXPECT_GT(sweep.calls, 100);
  for (size_t i = 0; i < sweep.problems.size() && i < 40; ++i) ADD_FAILURE() << sweep.problems[i];
}

}  // namespace
}  // namespace velmar
