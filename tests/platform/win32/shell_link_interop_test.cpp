// Our shell link codec and the Windows shell read each other's links: the
// bytes our POSIX port writes load in IShellLinkW, and what IShellLinkW saves
// decodes with our reader.

#include <gtest/gtest.h>

#include "formats/shell_link.h"
#include "platform/win32/win32_shell_services.h"
#include "support/fixture/shell_ports.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {

TEST(ShellLinkInterop, OurLinksAndTheWindowsShellsReadEachOther) {
  test::TempDrive drive;
  drive.writeFile("Velmar\\Projects\\Demo\\Demo.VPR", "");
  drive.writeFile("Velmar Programme\\Grüße\\Süd.VPR", "");
  auto shell = MakeWin32Shortcuts();
  for (const ShortcutProperties& p :
       {test::Shortcut(drive.path("Velmar\\Projects\\Demo\\Demo.VPR"), drive.path("Velmar\\Projects\\Demo\\"),
                       "VELMAR project shortcut"),
        test::Shortcut(drive.path("Velmar Programme\\Grüße\\Süd.VPR"), drive.path("Velmar Programme\\Grüße\\"),
                       "Projekt für Łódź – €", "/regserver \"a b\"", drive.path("Velmar Programme\\VelmarPM.exe"), 4),
        test::Shortcut(drive.path("Later\\Plant.VPR"), drive.path("Later\\"), "not there yet")}) {
    SCOPED_TRACE(p.target);
    const auto ours = EncodeShellLink(p);
    ASSERT_TRUE(ours);
    drive.writeFile("ours.lnk", std::string(ours->begin(), ours->end()));
    EXPECT_EQ(shell->ReadShortcut(drive.path("ours.lnk")), p);
    ASSERT_TRUE(shell->CreateShortcut(drive.path("shell.lnk"), p));
    EXPECT_EQ(DecodeShellLink(AsBytes(drive.readFile("shell.lnk"))), p);
  }
}

}  // namespace velmar::platform
