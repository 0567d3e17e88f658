// The one customer's install of the medium (no choice page) with every file-service call failed in turn: the
// product installation with the customer's project unpacked from the custom
// folder, stamped with the customer's names, its driver files set to a port,
// and the custom folder copied into the installer's copy.

#include <gtest/gtest.h>

#include "faults/fault_sweep.h"
#include "faults/product_medium.h"

namespace velmar {
namespace {

using test::InstallerFixture;
using ui::Key;
using ui::script::Script;

std::string Driver() {
  std::string bytes = std::string("\x01\x02Vel_Driver\x00\x10THalvikForm", 26);
  bytes.resize(60, '\0');
  return bytes + "ComPortNum[\x05" "1]rest";
}

void PrepareCustomMedium(InstallerFixture& f) {
  test::WriteProductMedium(f);
  f.WriteMediumFile("Custom\\Custom.ini",
                    "[CustomInstalls]\r\n1=Works\r\n"
                    "[Works]\r\nType=Brenta\r\nFolder=Works\r\nTitle44=Works\r\nTitle49=Werk\r\nSelect44=Works plant\r\n"
                    "ProjectName=Line one\r\nCustomerName=Works Ltd\r\nShortcutName=Works line\r\n");
  f.WriteZip("Custom\\Works\\Works.zip", {{"Works/Line1.VPR", "[Project]\r\nCustomerName=Kept\r\n"},
                                          {"Works/Pump.vdr", Driver()},
                                          {"Works/Screens/Main.scr", "screen"}});
  f.WriteMediumFile("Custom\\Works\\Logo.bmp", "BM");
}

Script CustomInstallScript(InstallerFixture&) {
  Script script = test::ToSelection();
  test::StartInstall(script, Key::F3);
  script.Page("TMainInstallForm").Click("NextBtn");
  script.Page("TSelectVelZipForm").Select("VersionLB", "VELMAR Release 3.04.010 - Newest version").Click("NextBtn");
  script.Page("TWinLinksForm").Check("DesktopCB").Click("NextBtn");
  script.Page("TBrentaPickVprForm").Click("NextBtn").Page("TProjectOptionsForm").Click("NextBtn");
  script.Page("TBrentaPortForm").Click("NextBtn").Page("TReadyToInstallForm").Click("NextBtn");
  script.Page("TUnzipForm").Page("TUnzipForm");
  return test::BackToSelection(script).Key(Key::Escape);
}

TEST(Faults, CustomInstallation) {
  test::ExpectPromisesKept({.name = "F3",
                            .prepare = PrepareCustomMedium,
                            .script = CustomInstallScript,
                            .places = test::ProductInstallPlaces,
                            .userPresses = {{"TUnzipForm", "CancelBtn"}, {"TMainInstallForm", "NextBtn"}},
                            .mayNotCome = {"TUnzipForm"},
                            .notOffered = {{"TBrentaPickVprForm", test::CancelToTheEnd()}}},
                           100);
}

}  // namespace
}  // namespace velmar
