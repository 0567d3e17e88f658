// F3 as a whole program: the choice among two installs, the customer's
// project placed and stamped with its shortcut, the driver files set to the
// first usable port, and the custom folder in the installer's copy.

#include <functional>

#include <gtest/gtest.h>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "support/fixture/flow_scripts.h"
#include "platform/serial_ports.h"
#include "platform/shortcuts.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Outcome;
using ui::script::Script;

std::string Driver(char digit) {
  std::string bytes = std::string("\x01\x02Vel_Driver\x00\x10THalvikForm", 26);
  bytes.resize(60, '\0');
  return bytes + "ComPortNum[" + '\x05' + digit + "]rest";
}

int FirstPort() {
  for (int n = 1; n <= 4; ++n)
    if (platform::CanOpenSerialPort(n)) return n;
  return 0;
}

struct WorksRun {
  WorksRun() {
    f.WriteStandardMedium();
    f.WriteProductArchive("Velmar3400.zip", {{"VelmarPM.exe", "3400"}});
    f.WriteMediumFile("Custom\\Custom.ini",
                      "[CustomInstalls]\r\n1=Works\r\n2=Empty\r\n"
                      "[Works]\r\nType=Brenta\r\nFolder=Works\r\nTitle44=Works\r\nTitle49=Werk\r\n"
                      "Select44=Works plant\r\nProjectName=Line one\r\nCustomerName=Works Ltd\r\nShortcutName=Works line\r\n"
                      "[Empty]\r\nType=BRENTA\r\nFolder=Empty\r\nSelect44=No project here\r\n");
    f.WriteZip("Custom\\Works\\Works.zip", {{"Works/Line1.VPR", "[Project]\r\nCustomerName=Kept\r\n"},
                                            {"Works/Pump.vdr", Driver('1')},
                                            {"Works/Other.vdr", "not a driver"}});
    f.WriteMediumFile("Custom\\Works\\Logo.bmp", "BM");
    f.WriteMediumFile("Custom\\Empty\\Readme.txt", "none");
  }
  // The Works install from the choice page to its end message; `project`
  // plays the project pages (by default both left by Next), the product's
  // archive and the project's are unpacked.
  test::InstallerRun Run(const std::string& end, const std::function<void(Script&)>& project = {}) {
    Script script = test::ToSelection();
    test::StartInstall(script, Key::F3);
    script.Page("TCustomSelectForm").Select("CustomLB", "No project here").Select("CustomLB", "Works plant").Click("NextBtn");
    script.Page("TMainInstallForm").Click("NextBtn").Page("TWinLinksForm").Click("NextBtn");
    if (project) project(script);
    else script.Page("TBrentaPickVprForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
    script.Page("TBrentaPortForm").Click("NextBtn");
    script.Page("TReadyToInstallForm").Click("PrevBtn").Page("TBrentaPortForm").Click("NextBtn");
    script.Page("TReadyToInstallForm").Click("NextBtn").Page("TUnzipForm").Page("TUnzipForm");
    if (FirstPort() == 0) script.Answer("These driver files keep their port", ui::Answer::Ok);
    return f.Run(test::EndWith(script, end));
  }
  std::string Read(const std::string& relative) { return f.ReadFile(f.drive.path(relative)).value_or(""); }
  InstallerFixture f;
};

TEST(CustomInstallFlow, PlacesTheChosenCustomersProjectAndSetsItsDriversPort) {
  WorksRun w;
  const auto result = w.Run("Installation finished");
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  const int port = FirstPort();
  EXPECT_FALSE(result.session.CustomInstall);
  EXPECT_EQ(result.session.BrentaComPort, port);
  const std::string vpr = w.Read("VelProj\\Works\\Line1.VPR");
  EXPECT_TRUE(test::Contains(vpr, "ProjectName=Line one")) << vpr;
  EXPECT_TRUE(test::Contains(vpr, "CustomerName=Works Ltd")) << vpr;
  EXPECT_FALSE(test::Contains(vpr, "NewProject")) << vpr;
  EXPECT_EQ(w.Read("VelProj\\Works\\Pump.vdr"), Driver(port ? char('0' + port) : '1'));
  for (const char* made : {"Velmar\\Projects\\Works line.LNK", "Velmar\\Install\\Custom\\Custom.ini",
                           "Velmar\\Install\\Custom\\Works\\Works.zip"})
    EXPECT_TRUE(w.f.Exists(w.f.drive.path(made))) << made;
  EXPECT_FALSE(w.f.Exists(w.f.drive.path("Velmar\\Install\\Custom\\Empty")));
  const std::string log = w.Read("Velmar\\Install.log");
  EXPECT_TRUE(test::Contains(log, "Start custom install [BRENTA] :"));
}

// A project file that cannot be stamped with the customer's names ends the
// install with errors, the log naming the step, and gets no shortcut.
TEST(CustomInstallFlow, AProjectFileThatCannotBeStampedEndsWithErrorsAndNoShortcut) {
  WorksRun w;
  w.f.onPageShown = [&](const ui::Page& page) {
    if (page.ClassName() == "TReadyToInstallForm")
      w.f.files.addFault({.op = test::FileOp::Replace, .persistent = true, .pathContains = "Line1.VPR"});
  };
  const auto result = w.Run("Finished with errors");
  EXPECT_EQ(result.outcome, Outcome::FinishedWithErrors) << result.endMessage;
  EXPECT_TRUE(test::Contains(w.Read("Velmar\\Install.log"), "Update project file "));
  EXPECT_FALSE(w.f.Exists(w.f.drive.path("Velmar\\Projects\\Works line.LNK")));
}

// The project list offers the plain files only (no hidden or system file,
// no hidden archive), in the order of their names without regard to case.
// What the project page shows is what is installed: a project chosen anew
// after Prev from that page, in a project folder changed there, is the
// customer's project in that place, stamped, linked and made the default.
TEST(CustomInstallFlow, TheProjectChosenLastGoesWhereTheProjectPageSays) {
  WorksRun w;
  InstallerFixture& f = w.f;
  f.WriteZip("Custom\\Works\\Works.zip", {{"Works/Line1.VPR", "[Screens]\r\nMain=Line one\r\n"},
                                          {"Works/Line2.VPR", "[Screens]\r\nMain=Line two\r\n"},
                                          {"Works/Pump.vdr", Driver('1')}});
  for (const char* name : {"b.vpr", "Hidden.VPR", "System.VPR"}) f.WriteMediumFile(std::string("Custom\\Works\\") + name, "[Project]\r\n");
  f.WriteZip("Custom\\Works\\Quiet.zip", {{"Works/Quiet.VPR", "[Project]\r\n"}});
  for (const auto& [name, attribute] : {std::pair{"Hidden.VPR", attr::Hidden}, {"System.VPR", attr::System}, {"Quiet.zip", attr::Hidden}})
    f.drive.fs().setAttributes(f.MediumPath(std::string("Custom\\Works\\") + name), attribute);
  const auto result = w.Run("Installation finished", [&](Script& script) {
    script.Page("TBrentaPickVprForm").Select("VprLB", "Line1.VPR").Click("NextBtn");
    script.Page("TProjectOptionsForm").Type("VprPathEdit", f.drive.path("VelProj\\North Quay")).Click("PrevBtn");
    script.Page("TBrentaPickVprForm").Select("VprLB", "Line2.VPR").Click("NextBtn");
    script.Page("TProjectOptionsForm").Click("NextBtn");
  });
  ASSERT_EQ(result.outcome, Outcome::Finished) << result.endMessage;
  EXPECT_TRUE(test::Contains(test::PageBlock(result.transcript, "TBrentaPickVprForm"),
                             "  VprLB: list box\n    * b.vpr\n    - Line1.VPR\n    - Line2.VPR\n"));
  const std::string placed = f.drive.path("VelProj\\North Quay\\Line2.VPR");
  const std::string vpr = f.ReadFile(placed).value_or("");
  EXPECT_TRUE(test::Contains(vpr, "Main=Line two"));
  EXPECT_TRUE(test::Contains(vpr, "ProjectName=Line one\r\nCustomerName=Works Ltd"));
  EXPECT_TRUE(SameText(result.session.ProjectFile, placed)) << result.session.ProjectFile;
  EXPECT_TRUE(test::Contains(w.Read("Velmar\\Velmar.ini"), "DefProject=" + result.session.ProjectFile));
  const auto link = f.shortcuts->ReadShortcut(f.drive.path("Velmar\\Projects\\Works line.LNK"));
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->target, result.session.ProjectFile);
  EXPECT_TRUE(f.Exists(FileFolderPart(placed) + "Pump.vdr"));  // the drivers set to the port lie beside it
}

}  // namespace
}  // namespace velmar
