#include "install/install_product.h"

#include <functional>

#include <gtest/gtest.h>

#include "files/file_utils.h"
#include "files/ini_file.h"
#include "services/shell/shell.h"
#include "services/zip/unzip_form.h"
#include "support/folder_link.h"
#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "support/shell_ports.h"
#include "support/zip_writer.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using test::BuildZip;
using ui::script::Outcome;

TEST(ReleaseText, ShowsTheFirstFourDigitsWithTheirZeros) {
  EXPECT_EQ(ReleaseText(3410), "3.04.010");
  EXPECT_EQ(ReleaseText(3299), "3.02.099");
  EXPECT_EQ(ReleaseText(341012), "3.04.010");
}

// A medium with two releases and the demo project, installed into the test's drive.
struct ProductRun {
  explicit ProductRun(const std::string& answers) : host(ui::script::ParseAnswerFile(answers)) {
    auto& s = t.session;
    s.MediumRoot = t.drive.path("Medium\\");
    s.SetupIniPath = s.MediumRoot + "Setup.ini";
    s.VelmarPath = t.drive.path("Velmar");
    s.ProjectsPath = t.drive.path("Projects");
    s.LinkPath = t.drive.path("Links");
    s.ProjectFile = t.drive.path("Projects\\Plant\\Plant.vpr");
    s.Project = "Plant";
    s.Customer = "Works";
    s.LinkName = "Plant";
    s.ProductArchiveList = {{s.MediumRoot + "VELMAR\\VELMAR3400.ZIP", 3400}, {s.MediumRoot + "VELMAR\\VELMAR3410.ZIP", 3410}};
    s.MakeProject = s.DefaultProject = s.InstallDemo = s.DemoIsDefault = true;
    s.DemoState = 2;
    s.DesktopLinks = s.Autostart = true;
    t.drive.writeFile("Medium\\Velmar\\Velmar3410.zip",
                      BuildZip({{"VelmarPM.exe", "pm"}, {"VelmarArc.exe", "arc"}, {"VelmarSms.exe", "sms"}, {"Help/a.txt", "a"}}));
    t.drive.writeFile("Medium\\Projects\\Demo\\Demo.zip", BuildZip({{"DEMO.VPR", "[Project]\r\n"}}));
    t.drive.writeFile("Medium\\Installer.exe", "installer");
    t.drive.writeFile("Medium\\Setup.exe", "setup");
    t.drive.writeFile("Medium\\Setup.ini", "[Config]\r\nLanguage=1\r\n");
    t.drive.writeFile("Medium\\Velmar.L44", "texts");
    for (const char* folder : {"Velmar", "Links"}) t.drive.makeFolder(folder);
  }
  Outcome Run() {
    return host.Run([&] {
      InstallProduct(t.app, unzip);
      return Outcome::Finished;
    });
  }
  std::string Ini(const char* section, const std::string& key) {
    return TIniFile(t.drive.fs(), t.drive.path("Velmar\\Velmar.ini"), CodePage::Cp1252).ReadString(section, key, "<none>");
  }

  ui::script::ScriptHost host;
  test::InstallerTestContext t{host};
  TOverwriteDlg overwrite{t.app};
  TUnzipForm unzip{t.app, overwrite};
};

TEST(InstallProduct, InstallsTheNewestReleaseWithItsProjectsShortcutsAndSettings) {
  ProductRun run("page TUnzipForm\npage TUnzipForm\nanswer \"Installation finished\" OK\n");
  ASSERT_EQ(run.Run(), Outcome::Finished) << run.host.EndMessage();
  auto& s = run.t.session;
  EXPECT_EQ(s.SelectedVersion, 3410);
  EXPECT_FALSE(s.StepFailed);
  EXPECT_TRUE(s.ProductInstalledNow);
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Help\\a.txt"), "a");
  EXPECT_EQ(run.t.drive.readFile("Projects\\Demo\\DEMO.VPR"), "[Project]\r\n");
  EXPECT_NE(run.t.drive.readFile("Projects\\Plant\\Plant.vpr").find("NewProject=1\r\nMajorVer=3\r\nMinorVer=4\r\n"),
            std::string::npos);
  // The installer's copy: Setup.exe over Installer.exe, the settings moved there.
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Install\\Setup.exe"), "setup");
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Install\\Velmar.L44"), "texts");
  EXPECT_TRUE(run.t.drive.exists("Velmar\\Install\\Velmar\\Velmar3410.zip"));
  EXPECT_EQ(s.SetupIniPath, run.t.drive.path("Velmar\\Install\\Setup.ini"));
  // Eight product shortcuts in their order, the demo as the default project.
  EXPECT_EQ(run.Ini("Links", "Count"), "8");
  const std::string menu = run.Ini("Links", "StartMnu");
  EXPECT_EQ(run.Ini("Links", "1"), menu + "Velmar.lnk");
  EXPECT_EQ(run.Ini("Links", "4"), menu + "Archive viewer.lnk");
  EXPECT_EQ(run.Ini("Links", "8"), menu + "Velmar Setup.lnk");
  EXPECT_EQ(run.Ini("Config", "DefProject"), run.t.drive.path("Projects\\Demo\\Demo.vpr"));
  EXPECT_EQ(run.Ini("ProjMan", "ProjectsPath"), run.t.drive.path("Links\\"));
  EXPECT_TRUE(run.t.drive.exists("Links\\Plant.LNK"));
  const std::string log = run.t.drive.readFile("Velmar\\Install.log");
  EXPECT_NE(log.find(" : Install Velmar version 3.04.010 to " + s.VelmarPath + "\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" : Installation finished\r\n"), std::string::npos) << log;
}

// Each kind of failed step is shown where it happens, logged with what
// failed, the rest goes on (without the release only Velmar Setup.lnk is
// listed), and the end names the log instead of saying the installation
// finished.
TEST(InstallProduct, EveryKindOfFailedStepIsLoggedAndEndsWithErrors) {
  struct Case {
    const char* what;
    std::function<void(ProductRun&)> spoil;
    const char* answers;  // between the two unzip dialogs and the end
    const char* logged;   // the failure's line, "@" for the drive's root
    const char* links = "8";  // the product's shortcuts all the same, unless it is missing
  };
  const Case cases[] = {
      {"the release missing",
       [](ProductRun& run) { run.t.drive.fs().deleteFile(run.t.drive.path("Medium\\Velmar\\Velmar3410.zip")); },
       "  click CancelBtn\npage TUnzipForm\n",
       "3.04.010 to @Velmar\nERROR: Archive not found : @Medium\\Velmar\\Velmar3410.zip\nCreate project folder : ", "1"},
      {"the project folder on a drive that is not there",
       [](ProductRun& run) { run.t.session.ProjectFile = "Q:\\Nowhere\\Plant.vpr"; },
       "answer \"Could not create project folder\" OK\npage TUnzipForm\n",
       "Create project folder : Q:\\Nowhere\\\nERROR: Could not create project folder !\n"},
      {"the project shortcut's folder missing",
       [](ProductRun& run) { run.t.session.LinkPath = run.t.drive.path("Gone\\Links"); },
       "answer \"Failed to create shortcut\" OK\npage TUnzipForm\nanswer \"Failed to create shortcut\" OK\n",
       "ERROR: Failed to create shortcut @Gone\\Links\\Demo.LNK (@Projects\\Demo\\Demo.vpr)\n"},
      {"the project shortcut's name taken by a folder",
       [](ProductRun& run) { run.t.drive.makeFolder("Links\\Plant.LNK"); },
       "answer \"Failed to create shortcut\" OK\npage TUnzipForm\n",
       "ERROR: Failed to create shortcut @Links\\Plant.LNK (@Projects\\Plant\\Plant.vpr)\n"},
      {"a damaged item of the release",
       [](ProductRun& run) {
         test::ZipEntry bad{"Help/a.txt", "a"};
         bad.crc = 1234;
         run.t.drive.writeFile("Medium\\Velmar\\Velmar3410.zip",
                               BuildZip({{"VelmarPM.exe", "pm"}, {"VelmarArc.exe", "arc"}, {"VelmarSms.exe", "sms"}, bad}));
       },
       "page TUnzipForm\n",
       "ERROR: Cannot unpack Help/a.txt from @Medium\\Velmar\\Velmar3410.zip : CRC error: the item's data is damaged\n"},
      {"a damaged demo archive",
       [](ProductRun& run) { run.t.drive.writeFile("Medium\\Projects\\Demo\\Demo.zip", "PK\x03\x04 no archive"); },
       "page TUnzipForm\n  click CancelBtn\n",
       "ERROR: The zip archive \"@Medium\\Projects\\Demo\\Demo.zip\" cannot be read: the file is too short to be a "
       "zip archive.\nCreate demo project shortcut\n"},
      {"the demo folder blocked by a file",
       [](ProductRun& run) { run.t.drive.writeFile("Projects\\Demo", "a file"); }, "",
       "Install Velmar demo project\nERROR: Cannot create folder @Projects\\Demo\\\n"},
      {"the installed copy's Setup.ini read-only, so the settings stay on the medium",
       [](ProductRun& run) {
         run.t.drive.writeFile("Velmar\\Install\\Setup.ini", "[Config]\r\n");
         run.t.drive.fs().setAttributes(run.t.drive.path("Velmar\\Install\\Setup.ini"), attr::ReadOnly);
       },
       "page TUnzipForm\n", "ERROR: Cannot copy @Medium\\Setup.ini to @Velmar\\Install\\Setup.ini\n"},
      {"a project manager that cannot be started",
       [](ProductRun& run) { run.t.processes.Refuse(run.t.drive.path("Velmar\\VelmarPM.exe")); }, "page TUnzipForm\n",
       "Register project manager OLE functions\nERROR: Could not start @Velmar\\VelmarPM.exe /regserver\n"},
      {"an extra command that cannot start",
       [](ProductRun& run) {
         run.t.drive.writeFile("Medium\\Setup.ini", "[NT_Install]\r\n1=RUN [EXTRAS]Missing.exe\r\n");
       },
       "page TUnzipForm\nanswer \"MISSING.EXE\" OK\n", "ERROR executing "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProductRun run(std::string("page TUnzipForm\n") + c.answers + "answer \"Finished with errors\" OK\n");
    c.spoil(run);
    ASSERT_EQ(run.Run(), Outcome::Finished) << run.host.EndMessage();
    EXPECT_TRUE(run.t.session.StepFailed);
    std::string logged = c.logged;
    for (size_t at; (at = logged.find('@')) != std::string::npos;) logged.replace(at, 1, run.t.drive.path(""));
    const std::string log = test::LogEntries(run.t.drive.readFile("Velmar\\Install.log"));
    EXPECT_TRUE(test::Contains(log, logged));
    EXPECT_TRUE(test::Contains(log, "\nFinished with errors, see the lines above\n"));
    EXPECT_EQ(run.Ini("Links", "Count"), c.links);
    const bool settingsCopied = run.t.drive.readFile("Velmar\\Install\\Setup.ini") != "[Config]\r\n";
    EXPECT_EQ(run.t.session.SetupIniPath == run.t.drive.path("Velmar\\Install\\Setup.ini"), settingsCopied);
  }
}

// Started from the product's own Install\ folder by any of its names (a
// second drive letter, a link on the way), nothing is copied onto itself;
// Velmar.ini keeps its keys and the links above the new count.
TEST(InstallProduct, FromTheInstalledCopyByAnyNameNothingIsCopiedAndOldSettingsStay) {
  for (const std::string how : {"own name", "second drive letter", "linked parent"}) {
    SCOPED_TRACE(how);
    ProductRun run("");
    auto& s = run.t.session;
    auto& drive = run.t.drive;
    const std::string archive = drive.readFile("Medium\\Velmar\\Velmar3410.zip");
    drive.writeFile("Velmar\\Install\\Velmar\\Velmar3410.zip", archive);
    drive.writeFile("Velmar\\Install\\Setup.ini", "[Config]\r\nLanguage=1\r\n[NT_Install]\r\nCount=0\r\n");
    drive.writeFile("Velmar\\Install\\Velmar.L44", "texts of the product");
    drive.writeFile("Velmar\\Velmar.ini", "[Links]\r\nCount=9\r\n9=C:\\Old.lnk\r\n[Alarm]\r\nBeep=1\r\n");
    test::FolderLink linked(drive, "Plant", "Velmar");
    std::optional<std::string> own = drive.path("Velmar\\Install\\");
    if (how == "second drive letter") own = drive.aliasDrive("Velmar\\Install");
    if (how == "linked parent") own = linked.made() ? std::optional(drive.path("Plant\\Install\\")) : std::nullopt;
    if (!own) continue;  // this port cannot name it so
    s.MediumRoot = *own;
    s.SetupIniPath = *own + "Setup.ini";
    s.InstallDemo = false;
    run.host = ui::script::ScriptHost(ui::script::ParseAnswerFile("page TUnzipForm\nanswer \"Installation finished\" OK\n"));
    ASSERT_EQ(run.Run(), Outcome::Finished) << run.host.EndMessage();
    EXPECT_FALSE(s.StepFailed);
    EXPECT_FALSE(drive.exists("Velmar\\Install\\Setup.exe"));
    EXPECT_EQ(drive.readFile("Velmar\\Install\\Velmar\\Velmar3410.zip"), archive);
    EXPECT_EQ(drive.readFile("Velmar\\Install\\Velmar.L44"), "texts of the product");
    EXPECT_EQ(TIniFile(drive.fs(), drive.path("Velmar\\Install\\Setup.ini"), CodePage::Cp1252).ReadString("NT_Install", "Count", ""), "0");
    EXPECT_EQ(s.SetupIniPath, *own + "Setup.ini");
    EXPECT_EQ(run.Ini("Links", "Count"), "7");
    EXPECT_EQ(run.Ini("Links", "9"), "C:\\Old.lnk");
    EXPECT_EQ(run.Ini("Alarm", "Beep"), "1");
  }
}

}  // namespace
}  // namespace velmar
