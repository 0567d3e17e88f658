// F8 as a whole program on a machine where F2 has installed the product:
// what goes, what stays, and that no record, settings file or odd folder
// makes it reach the user's projects, a root or the Windows folder.

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "platform/registry.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "services/shell/shell.h"
#include "support/fixture/installer_fixture.h"

namespace velmar {
namespace {

using platform::RootKey;
using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

// The product installed by F2 into "Velmar" with shortcuts on the desktop, a
// user project "Plant" and the demo project in "Data\VelProj".
struct Installed {
  Installed() {
    const auto path = [&](const char* relative) { return f.drive.path(relative); };
    f.WriteSetupIni("[Config]\nLanguage=1\n[Install]\nVelmarPath=" + path("Velmar") + "\nProjectsPath=" +
                    path("Data\\VelProj") + "\nLinkPath=" + path("Velmar\\Projects") + "\n");
    f.WriteLanguage(44);
    f.WriteLanguage(49);
    f.WriteReadme("Readme.txt", "The readme.\r\n");
    f.WriteProductArchive("Velmar3500.zip",
                          {{"VelmarPM.exe", "pm"}, {"Velmar.exe", "rt"}, {"VelmarArc.exe", "arc"},
                           {"VelmarSms.exe", "sms"}, {"VelTrend.exe", "trend"}, {"VelmarTool.exe", "tool"},
                           {"VelCore.dll", "core"}, {"Velmar.hlp", "help"}, {"Tags.DAT", "tags"},
                           {"Common/Symbols.dat", "s"}, {"PrintQ/Printed/Job1.spl", "j"}, {"Wav/Alarm.wav", "w"},
                           {"Help/Velmar.txt", "help"}, {"Readme.txt", "readme"}});
    f.WriteZip("Projects\\Demo\\Demo.zip", {{"DEMO.VPR", "[Project]\r\n"}});
    Script script = test::ToSelection();
    test::StartInstall(script, Key::F2);
    script.Page("TMainInstallForm").Click("NextBtn").Page("TWinLinksForm").Check("DesktopCB").Click("NextBtn");
    script.Page("TProjectOptionsForm").Check("MakeProjCB").Type("PrjNameEdit", "Plant").Type("CustNameEdit", "Works");
    script.Type("VprPathEdit", path("Data\\VelProj\\Plant")).Type("VprNameEdit", "Plant").Type("LinkNameEdit", "Plant");
    script.Click("NextBtn").Page("TDemoInstallForm").Check("DemoCB").Click("NextBtn");
    script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm").Page("TUnzipForm");
    script.Answer("Installation finished", ui::Answer::Ok);
    test::BackToSelection(script).Key(Key::Escape);
    const auto run = f.Run(script);
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
    EXPECT_TRUE(f.Exists(Product("VelmarPM.exe")));
  }

  std::string Product(const std::string& relative = "") { return f.drive.path("Velmar\\" + relative); }
  // The user's shell folders, as the test's registry names them.
  std::string Shell(const char* name) { return ReadShellFolder(f.registry.registry(), ShellFoldersKey, name); }
  std::string Desktop(const std::string& name = "") { return Shell("Desktop") + name; }
  // The installed Setup.ini, which the next start reads after the medium's.
  void SetInstalled(const char* section, const char* key, const std::string& value) {
    TIniFile ini(f.files, Product("Install\\Setup.ini"), f.system.AnsiCodePage);
    ini.WriteString(section, key, value);
    ini.UpdateFile();
  }
  std::vector<std::string> Names(const std::string& folder) { return test::FolderNames(f.files, folder); }
  // The user's projects as F2 left them.
  void ExpectProjectsKept() {
    EXPECT_TRUE(f.Exists(f.drive.path("Data\\VelProj\\Plant\\Plant.vpr")));
    EXPECT_EQ(f.ReadFile(f.drive.path("Data\\VelProj\\Demo\\DEMO.VPR")), "[Project]\r\n");
  }

  test::InstallerRun Uninstall() {
    Script script = test::ToSelection();
    script.Key(Key::F8).Page("TUnInstallDlg").Check("VelmarCB").Click("OkBtn");
    script.Answer("Velmar folder can be deleted", ui::Answer::Ok);
    return f.Run(script);
  }
  // F8 from the command line: the dialog, left with Cancel.
  test::InstallerRun Look() { return f.Run(Script().Page("TUnInstallDlg").Click("CancelBtn"), {"/F8"}); }

  // A folder of the user's holding a file and a shortcut of the user's own.
  std::string Mine(const std::string& relative) {
    const std::string folder = f.drive.path(relative + "\\");
    for (const char* name : {"budget.xlsx", "Reports\\2024\\q1.doc", "Mine.lnk"}) {
      f.WriteFile(folder + name, "the user's " + FileNamePart(name));
      mine.push_back(folder + name);
    }
    return folder;
  }
  void ExpectMineKept() {
    for (const std::string& file : mine) EXPECT_EQ(f.ReadFile(file), "the user's " + FileNamePart(file)) << file;
  }

  InstallerFixture f;
  std::vector<std::string> mine;
};

// The lines of the dialog's list once the removal has run, one a line.
std::string List(const test::InstallerRun& run) {
  const size_t at = run.transcript.find("  LB: list box\n", run.transcript.find("> click OkBtn"));
  if (at == std::string::npos) return "";
  std::string lines;
  for (size_t line = run.transcript.find('\n', at) + 1; run.transcript.compare(line, 6, "    - ") == 0;) {
    const size_t end = run.transcript.find('\n', line);
    lines += run.transcript.substr(line + 6, end - line - 6) + "\n";
    line = end + 1;
  }
  return lines;
}

TEST(Uninstall, RemovesWhatTheInstallationMadeAndLeavesTheRest) {
  Installed w;
  InstallerFixture& f = w.f;
  platform::Registry& r = f.registry.registry();
  ASSERT_TRUE(r.WriteString(RootKey::LocalMachine, "Software\\Kravo\\Velmar\\3.5", "Path", w.Product()));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, ".VPR", "", "VelmarProject"));
  ASSERT_TRUE(r.WriteString(RootKey::ClassesRoot, "VelmarProject\\shell\\open\\command", "", "VelmarPM.exe %1"));
  f.SetReadOnly(w.Product("VelTrend.exe"));
  f.WriteFile(w.Product("VelEdit.exe"), "a system file");
  f.files.setAttributes(w.Product("VelEdit.exe"), attr::System);
  f.WriteFile(w.Product("Notes.txt"), "the user's notes");
  f.WriteFile(w.Product("PrintQ\\Job2.spl"), "j");
  // A shortcut the user removed already.
  ASSERT_EQ(f.files.deleteFile(w.Desktop("SMS Server.lnk")), 0);

  const auto run = w.Uninstall();
  ASSERT_EQ(run.outcome, Outcome::Finished) << run.endMessage << run.transcript;
  EXPECT_TRUE(List(run).ends_with("\nUninstall finished\n")) << List(run);

  // What the tables do not know stays, and so does the installer's program.
  EXPECT_EQ(w.Names(w.Product()),
            (std::vector<std::string>{"Help", "Install", "Notes.txt", "Readme.txt", "VelEdit.exe"}));
  EXPECT_EQ(w.Names(w.Product("Install")), std::vector<std::string>{"Setup.exe"});
  w.ExpectProjectsKept();
  EXPECT_TRUE(f.Exists(f.InstallRecordPath()));
  EXPECT_TRUE(w.Names(w.Desktop()).empty());
  EXPECT_FALSE(f.Exists(w.Shell("Programs") + "Velmar"));

  EXPECT_FALSE(r.KeyExists(RootKey::LocalMachine, "Software\\Kravo"));
  EXPECT_FALSE(r.KeyExists(RootKey::ClassesRoot, ".VPR"));

  const auto started = f.processes.commandLines();
  ASSERT_GE(started.size(), 2u);
  EXPECT_EQ(started[started.size() - 2], w.Product("VelmarPM.exe") + " /unregserver");
  EXPECT_EQ(started.back(), "explorer.exe /e,/n," + w.Product());
}

// Without a product, or with one the record places where its patterns would
// reach a root, the Windows folder or a user's folder (each holding what the
// patterns match), the check box stays disabled.
TEST(Uninstall, NoProductOrAProductInAProtectedPlaceCannotBeChecked) {
  Installed w;
  InstallerFixture& f = w.f;
  const std::string windows = f.WindowsFolder();
  const std::string desktop = w.Desktop();
  for (const std::string& folder : {f.drive.root(), windows, desktop})
    for (const char* name : {"VelmarPM.exe", "Keep.INI", "Keep.LOG", "Keep.DAT", "Velmar.exe"})
      if (!f.Exists(folder + name)) f.WriteFile(folder + name, "kept");

  // A project's folder holds no product either, and a relative name names none.
  const std::string project = f.drive.path("Data\\VelProj\\Plant\\");
  for (const char* name : {"VelmarPM.exe", "Site.INI", "Site.DAT"}) f.WriteFile(project + name, "kept");
  for (const std::string& value : {std::string(), std::string("Velmar\\"), f.drive.root(), windows, desktop, project}) {
    f.WriteInstallRecord(value);
    const auto run = w.Look();
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
    const std::string block = test::PageBlock(run.transcript, "TUnInstallDlg");
    EXPECT_TRUE(test::ControlLine(block, "VelmarCB").ends_with(", disabled")) << value << "\n" << block;
    EXPECT_TRUE(test::ControlLine(block, "OkBtn").ends_with(", disabled")) << value;
  }
}

// A project shortcuts folder that is, or holds, a folder that must stay (here
// the user's own files) is left whole, with a line that says so; the rest of
// the product goes.
TEST(Uninstall, AProjectShortcutsFolderThatIsOrHoldsAProtectedFolderIsLeftWhole) {
  Installed w;
  const std::string linkPath = w.Mine("Program Files");
  w.SetInstalled("Install", "LinkPath", linkPath);
  const auto run = w.Uninstall();
  ASSERT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
  EXPECT_TRUE(test::Contains(List(run), "Uninstalling Velmar\nProject shortcuts folder not deleted, it is or holds "
                                        "a protected folder : " + WithoutBackslash(linkPath) + "\n"));
  w.ExpectProjectsKept();
  EXPECT_FALSE(w.f.Exists(w.Product("VelmarPM.exe")));
  w.ExpectMineKept();
}

// A project shortcuts folder of the user's, inside or outside a shell
// folder, loses only its shortcuts; every other file keeps its bytes, and a
// line says how many stayed. An empty one deletes nothing.
TEST(Uninstall, AProjectShortcutsFolderOfTheUsersLosesOnlyShortcuts) {
  for (const char* folder : {"Docs", ""}) {
    SCOPED_TRACE(folder);
    Installed w;
    const std::string linkPath = *folder ? w.Mine(folder) : "";
    w.SetInstalled("Install", "LinkPath", linkPath);
    const auto run = w.Uninstall();
    ASSERT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
    EXPECT_TRUE(test::Contains(List(run), *folder ? "Uninstalling Velmar\nFiles the installation did not make, kept in "
                                                    "the project shortcuts folder : 2\nUnregister"
                                                  : "Uninstalling Velmar\nUnregister"));
    for (const std::string& file : w.mine) EXPECT_EQ(w.f.Exists(file), !file.ends_with(".lnk")) << file;
    w.ExpectProjectsKept();
  }
}

// Of the Links list only shortcuts go, and the start-menu folder goes when
// they leave it empty.
TEST(Uninstall, OnlyListedShortcutsGoAndTheStartMenuFolderWhenEmpty) {
  Installed w;
  InstallerFixture& f = w.f;
  const std::string settings = w.Product("Velmar.ini");
  const std::string report = f.drive.path("Data\\Report.doc");
  f.WriteFile(report, "the user's report");
  const int count = std::stoi(f.IniValue(settings, "Links", "Count"));
  {
    TIniFile ini(f.files, settings, f.system.AnsiCodePage);
    ini.WriteString("Links", std::to_string(count + 1), report);
    ini.WriteInteger("Links", "Count", count + 1);
    ini.UpdateFile();
  }
  const auto run = w.Uninstall();
  ASSERT_EQ(run.outcome, Outcome::Finished) << run.endMessage;
  EXPECT_EQ(f.ReadFile(report), "the user's report");
  EXPECT_FALSE(f.Exists(f.IniValue(settings, "Links", "StartMnu")));
  EXPECT_FALSE(f.Exists(w.Desktop("Velmar.lnk")));
}

}  // namespace
}  // namespace velmar
