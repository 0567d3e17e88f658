// The uninstallation with every file-service call failed in turn, on a
// machine where F2 installed the product: the programs, folders, shortcuts,
// registry settings and installer copy go, and whatever else a failure may
// bring it to, the user's projects, the user's own files and the Windows
// folder stay.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"
#include "faults/product_medium.h"
#include "platform/registry.h"
#include "services/shell/shell.h"
#include "text/texts.h"

namespace velmar {
namespace {

using platform::RootKey;
using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

void PrepareInstalledProduct(InstallerFixture& f) {
  test::InstallProduct(f);
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

Script UninstallScript(InstallerFixture&) {
  Script script = test::ToSelection();
  return script.Key(Key::F8).Page("TUnInstallDlg").Check("VelmarCB").Click("OkBtn");
}

// The product folder with its installer copy, the shortcut folders and the
// registry.
std::vector<std::string> UninstallPlaces(InstallerFixture& f) {
  std::vector<std::string> places{f.drive.path("Velmar\\")};
  for (const char* folder : {"Programs", "Desktop", "Startup"})
    places.push_back(ReadShellFolder(f.registry.registry(), ShellFoldersKey, folder));
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
                            .script = UninstallScript,
                            .places = UninstallPlaces,
                            .notOffered = {{"TUnInstallDlg", test::CancelToTheEnd()}},
                            .keep = MustStay,
                            .withErrorsText = std::string(text::EnglishOf(text::UninstallFinishedWithErrors)),
                            .removes = true},
                           40);
}

}  // namespace
}  // namespace velmar
