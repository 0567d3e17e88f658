// The installation's own steps: the product, its projects, shortcuts and
// settings, the project file, and the extra commands of Setup.ini.

#include <functional>

#include <gtest/gtest.h>

#include "files/ini_file.h"
#include "install/extra_installs.h"
#include "install/install_product.h"
#include "install/project_file.h"
#include "services/zip/unzip_form.h"
#include "support/child_modes.h"
#include "support/files/folder_link.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "support/files/temp_drive.h"
#include "support/zip_writer.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using test::BuildZip;
using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

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
    for (const auto& [name, text] : {std::pair{"Installer.exe", "installer"}, {"Setup.exe", "setup"},
                                     {"Setup.ini", "[Config]\r\nLanguage=1\r\n"}, {"Velmar.L44", "texts"}})
      t.drive.writeFile(std::string("Medium\\") + name, text);
    for (const char* folder : {"Velmar", "Links"}) t.drive.makeFolder(folder);
  }
  // The installation, or another of its steps.
  Outcome Run(const std::function<void()>& step = {}) {
    return host.Run([&] {
      if (step) step();
      else InstallProduct(t.app, unzip);
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
  EXPECT_EQ(run.t.drive.readFile("Projects\\Demo\\DEMO.VPR"), "[Project]\r\n");
  EXPECT_NE(run.t.drive.readFile("Projects\\Plant\\Plant.vpr").find("NewProject=1\r\nMajorVer=3\r\nMinorVer=4\r\n"),
            std::string::npos);
  // The installer's copy: Setup.exe over Installer.exe, the settings moved there.
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Install\\Setup.exe"), "setup");
  EXPECT_EQ(s.SetupIniPath, run.t.drive.path("Velmar\\Install\\Setup.ini"));
  // Eight product shortcuts in their order, the demo as the default project.
  EXPECT_EQ(run.Ini("Links", "Count"), "8");
  const std::string menu = run.Ini("Links", "StartMnu");
  EXPECT_EQ(run.Ini("Links", "1") + "|" + run.Ini("Links", "8"), menu + "Velmar.lnk|" + menu + "Velmar Setup.lnk");
  EXPECT_EQ(run.Ini("Config", "DefProject"), run.t.drive.path("Projects\\Demo\\Demo.vpr"));
  EXPECT_EQ(run.Ini("ProjMan", "ProjectsPath"), run.t.drive.path("Links\\"));
  EXPECT_TRUE(run.t.drive.exists("Links\\Plant.LNK"));
  const std::string log = test::LogEntries(run.t.drive.readFile("Velmar\\Install.log"));
  EXPECT_TRUE(test::Contains(log, "Install Velmar version 3.04.010 to " + s.VelmarPath + "\n")) << log;
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
      {"the installed copy's Setup.ini read-only, so the settings stay on the medium",
       [](ProductRun& run) {
         run.t.drive.writeFile("Velmar\\Install\\Setup.ini", "[Config]\r\n");
         run.t.drive.fs().setAttributes(run.t.drive.path("Velmar\\Install\\Setup.ini"), attr::ReadOnly);
       },
       "page TUnzipForm\n", "ERROR: Cannot copy @Medium\\Setup.ini to @Velmar\\Install\\Setup.ini\n"},
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

TEST(ProjectFile, ParsesTheProductVersion) {
  const struct {
    const char* text;
    int major, minor;
    bool accepted;
  } cases[] = {{"3.4.10", 3, 4, true}, {"3.12", 3, 12, true}, {"3.x", 3, 2, true},
               {"4.1", 0, 0, false}, {"34", 0, 0, false}};
  for (const auto& c : cases) {
    const ProductVersion v = ParseProductVersion(c.text);
    EXPECT_EQ(std::tie(v.major, v.minor, v.accepted), std::tie(c.major, c.minor, c.accepted)) << c.text;
  }
}

// Create keeps an existing file's version and the manager's keys; Update
// writes only the names given and never NewProject.
TEST(ProjectFileWrite, KeepsWhatItDoesNotWrite) {
  test::TempDrive drive;
  const struct {
    ProjectFileMode mode;
    const char *project, *customer;
    int language;
    const char *version, *before, *after;
  } cases[] = {
      {ProjectFileMode::Create, "Plant 7", "Müller", 33, "3.4.10",
       "[Project]\r\nProjectName=Old\r\nMajorVer=2\r\nRevision=7\r\nTags=kept\r\n[Config]\r\nLanguage=49\r\n",
       "[Project]\r\nProjectName=Plant 7\r\nMajorVer=2\r\nRevision=7\r\nTags=kept\r\nCustomerName=M\xFCller\r\n"
       "NewProject=1\r\nMinorVer=4\r\n[Config]\r\nLanguage=33\r\n"},
      {ProjectFileMode::Update, "New", "", 7, "4.1", "[Project]\r\nProjectName=Old\r\nCustomerName=Kept\r\nMinorVer=\r\n",
       "[Project]\r\nProjectName=New\r\nCustomerName=Kept\r\nMinorVer=\r\nMajorVer=0\r\nRevision=0\r\n[Config]\r\nLanguage=44\r\n"},
  };
  for (const auto& c : cases) {
    drive.writeFile("Proj\\Plant.vpr", c.before);
    WriteProjectFile(drive.fs(), CodePage::Cp1252, drive.path("Proj\\Plant.vpr"), c.mode, c.project, c.customer,
                     c.language, c.version);
    EXPECT_EQ(drive.readFile("Proj\\Plant.vpr"), c.after);
  }
}

TEST(ExtraInstalls, CommandsAreUpperCasedAndTheFirstOfEachMacroReplaced) {
  const ExtraFolders folders{"D:\\Medium\\Extras", "C:\\Windows\\", "C:\\Windows\\System32\\", "C:\\Velmar Test"};
  const struct {
    const char* line;
    std::optional<std::string> command;
  } cases[] = {
      {"1=run [extras]SETUP.EXE /q", "RUN D:\\Medium\\Extras\\SETUP.EXE /Q"},
      {"2=COPY [EXTRAS]a.dll [EXTRAS]b.dll", "COPY D:\\Medium\\Extras\\A.DLL [EXTRAS]B.DLL"},
      {"4=copy x [VELMAR]x [WINDOWS]", "COPY X C:\\Velmar Test\\X C:\\Windows\\"},
      {";5=RUN a b", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandExtraCommand(c.line, folders), c.command) << c.line;
}

TEST(ExtraInstalls, RunAndCopyInOrderReportingWhatFailedAndGoingOn) {
  ProductRun run("answer \"ERROR copying\" OK\nanswer \"ERROR executing\" OK\n");
  const bool nt = run.t.system->isNtFamily();
  run.t.drive.writeFile("Medium\\Setup.ini",
                        std::string("[") + (nt ? "9x_Install" : "NT_Install") + "]\r\n1=COPY [EXTRAS]a.dll [VELMAR]w.dll\r\n[" +
                            (nt ? "NT_Install" : "9x_Install") +
                            "]\r\n1=COPY \"[EXTRAS]My File.dll\" [VELMAR]Lib.dll\r\n"
                            "2=copy [EXTRAS]missing.dll [VELMAR]x.dll\r\n;3=RUN [EXTRAS]Tool.exe\r\n"
                            "4=run [EXTRAS]Tool.exe /q\r\n5=RUN [EXTRAS]Missing.exe\r\n6=MOVE a b\r\n");
  run.t.drive.writeFile("Medium\\Extras\\My File.dll", "library");
  test::PlaceStandIn(run.t.drive, "Medium\\Extras\\Tool.exe", "exit:0");
  bool done = true;
  ASSERT_EQ(run.Run([&] { done = RunExtraInstalls(run.t.app); }), Outcome::Finished) << run.host.EndMessage();
  EXPECT_FALSE(done);
  EXPECT_EQ(run.t.drive.readFile("Velmar\\Lib.dll"), "library");
  EXPECT_FALSE(run.t.drive.exists("Velmar\\w.dll"));  // the other platform's list
  const std::string extras = run.t.drive.path("Medium\\Extras\\");
  EXPECT_EQ(run.t.processes.commandLines(),
            (std::vector<std::string>{extras + "TOOL.EXE /Q", extras + "MISSING.EXE"}));
  const std::string log = run.t.drive.readFile("Velmar\\Install.log");
  for (const std::string& line : {" : ERROR copying >" + extras + "MISSING.DLL< -to- >" + run.t.drive.path("Velmar\\X.DLL") + "<",
                                  " : ERROR executing " + extras + "MISSING.EXE"})
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

}  // namespace
}  // namespace velmar
