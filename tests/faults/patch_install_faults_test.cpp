// A patch installed over the product folder with every file-service call
// failed in turn: files replaced without questions, a read-only one among
// them, and new sub-folders.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

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

// The product folder, which holds the log, and the settings written back.
std::vector<std::string> PatchInstallPlaces(InstallerFixture& f) {
  return {f.drive.path("Velmar\\"), f.SetupIniPath()};
}

TEST(Faults, PatchInstallation) {
  test::ExpectPromisesKept({.name = "F4",
                            .prepare = PreparePatchMedium,
                            .script = PatchInstallScript,
                            .places = PatchInstallPlaces,
                            .userPresses = {{"TUnzipForm", "CancelBtn"}, {"TMainInstallForm", "NextBtn"}}},
                           30);
}

}  // namespace
}  // namespace velmar
