// Our shell link codec and the Windows shell read each other's links: the
// bytes our POSIX port writes load in IShellLinkW, and what IShellLinkW saves
// decodes with our reader.

#include <gtest/gtest.h>

#include "formats/shell_link.h"
#include "platform/win32/win32_shell_services.h"
#include "support/shell_ports.h"
#include "support/temp_drive.h"

namespace velmar::platform {

namespace {

std::vector<ShortcutProperties> Samples(test::TempDrive& drive) {
  return {
      test::Shortcut(drive.path("Velmar\\Projects\\Demo\\Demo.VPR"), drive.path("Velmar\\Projects\\Demo\\"),
                     "VELMAR project shortcut"),
      test::Shortcut(drive.path("Velmar Programme\\Grüße\\Süd.VPR"), drive.path("Velmar Programme\\Grüße\\"),
                     "Projekt für Łódź – €", "/regserver \"a b\"", drive.path("Velmar Programme\\VelmarPM.exe"), 4),
      test::Shortcut(drive.path("Later\\Plant.VPR"), drive.path("Later\\"), "not there yet"),
  };
}

}  // namespace

TEST(ShellLinkInterop, OurLinksLoadInTheWindowsShell) {
  test::TempDrive drive;
  drive.writeFile("Velmar\\Projects\\Demo\\Demo.VPR", "");
  drive.writeFile("Velmar Programme\\Grüße\\Süd.VPR", "");
  auto shell = MakeWin32Shortcuts();
  int n = 0;
  for (const ShortcutProperties& p : Samples(drive)) {
    const auto bytes = EncodeShellLink(p);
    ASSERT_TRUE(bytes);
    const std::string name = "ours" + std::to_string(++n) + ".lnk";
    drive.writeFile(name, std::string(bytes->begin(), bytes->end()));
    EXPECT_EQ(shell->ReadShortcut(drive.path(name)), p) << name;
  }
}

TEST(ShellLinkInterop, TheWindowsShellsLinksDecode) {
  test::TempDrive drive;
  drive.writeFile("Velmar\\Projects\\Demo\\Demo.VPR", "");
  drive.writeFile("Velmar Programme\\Grüße\\Süd.VPR", "");
  auto shell = MakeWin32Shortcuts();
  int n = 0;
  for (const ShortcutProperties& p : Samples(drive)) {
    const std::string name = "shell" + std::to_string(++n) + ".lnk";
    ASSERT_TRUE(shell->CreateShortcut(drive.path(name), p));
    const std::string bytes = drive.readFile(name);
    EXPECT_EQ(DecodeShellLink(AsBytes(bytes)), p) << name;
  }
}

}  // namespace velmar::platform
