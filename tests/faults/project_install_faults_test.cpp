// A project installed from the medium with every file-service call failed in
// turn: an archive with sub-folders unpacked into a temporary folder, moved
// into the projects folder and given its shortcut.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

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

// The projects folder (the temporary unzip folder lies in it), the product
// folder with the log and the project shortcuts, and the settings written
// back into Setup.ini.
std::vector<std::string> ProjectInstallPlaces(InstallerFixture& f) {
  return {f.drive.path("VelProj\\"), f.drive.path("Velmar\\"), f.SetupIniPath()};
}

TEST(Faults, ProjectInstallation) {
  test::ExpectPromisesKept({.name = "F5",
                            .prepare = PrepareProjectMedium,
                            .script = ProjectInstallScript,
                            .places = ProjectInstallPlaces,
                            .userPresses = {{"TUnzipForm", "CancelBtn"}}},
                           30);
}

}  // namespace
}  // namespace velmar
