#include "faults/product_medium.h"

#include "services/shell/shell.h"

namespace velmar::test {

using ui::Key;
using ui::script::Script;

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

Script ProductInstallScript(InstallerFixture&) {
  Script script = ToSelection();
  test::StartInstall(script, Key::F2);
  script.Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.010 - Newest version").Click("NextBtn");
  script.Page("TWinLinksForm").Check("DesktopCB").Check("AutostartCB").Click("NextBtn");
  script.Page("TProjectOptionsForm").Check("MakeProjCB").Type("PrjNameEdit", "Water works");
  script.Type("CustNameEdit", "City").Type("VprNameEdit", "Water").Type("LinkNameEdit", "Water works");
  script.Check("DefProjCB").Click("NextBtn");
  script.Page("TDemoInstallForm").Check("DemoCB").Click("NextBtn");
  script.Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Page("TUnzipForm");
  return BackToSelection(script).Key(Key::Escape);
}

std::vector<std::string> ProductInstallPlaces(InstallerFixture& f) {
  std::vector<std::string> places{f.drive.path("Velmar\\"), f.drive.path("VelProj\\"), f.InstallRecordPath(),
                                  f.SetupIniPath()};
  for (const char* folder : {"Programs", "Desktop", "Startup"})
    places.push_back(ReadShellFolder(f.registry.registry(), ShellFoldersKey, folder));
  return places;
}

void InstallProduct(InstallerFixture& f) {
  WriteProductMedium(f);
  auto answer = std::move(f.onMessage);
  f.onMessage = [](const std::string&, ui::Buttons buttons) -> std::optional<ui::Answer> {
    if (buttons.Has(ui::Answer::Ok)) return ui::Answer::Ok;
    return std::nullopt;
  };
  const InstallerRun run = f.Run(ProductInstallScript(f));
  f.onMessage = std::move(answer);
  EXPECT_EQ(run.outcome, ui::script::Outcome::Finished) << "the product installation: " << run.endMessage;
}

}  // namespace velmar::test
