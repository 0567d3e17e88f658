#include "platform/posix/files/drive_table.h"

#include <gtest/gtest.h>

#include "platform/posix/files/windows_path.h"
#include "base/errors.h"

namespace velmar::platform {

// The full name's rules are the core's (FullPathName); here what the port adds:
// the drive and its names, the long-path prefix, and no shares or bad names.
TEST(WindowsPath, ResolvesToADriveAndValidNames) {
  auto text = [](std::string_view path) {
    auto resolved = ResolveWindowsPath(path, "C:\\Work\\Sub");
    return resolved ? resolved->text() : std::string("<none>");
  };
  for (const auto& [path, resolved] : std::vector<std::pair<const char*, const char*>>{
           {"c:\\Velmar\\Install\\", "C:\\Velmar\\Install"}, {"..\\x.ini", "C:\\Work\\x.ini"}, {"D:\\", "D:\\"},
           {"\\\\?\\E:\\long", "E:\\long"}, {"\\\\server\\share\\x", "<none>"}, {"C:\\a*b", "<none>"},
           {"C:\\a\\b:c", "<none>"}})
    EXPECT_EQ(text(path), resolved) << path;
}

TEST(DriveTable, ParsesTheEnvironmentForm) {
  DriveTable table = ParseDriveTable("C=/srv/c:fixed;D=/media/cd:cdrom;;r=/mnt/usb/:removable;N=/net");
  ASSERT_NE(table.find('C'), nullptr);
  EXPECT_EQ(table.find('C')->hostFolder, "/srv/c");
  EXPECT_EQ(table.find('D')->type, DriveType::CdRom);
  EXPECT_EQ(table.find('R')->hostFolder, "/mnt/usb");
  EXPECT_EQ(table.find('R')->type, DriveType::Removable);
  EXPECT_EQ(table.find('N')->type, DriveType::Fixed);
  EXPECT_EQ(table.find('Z')->hostFolder, "/");
  EXPECT_EQ(table.find('E'), nullptr);
  EXPECT_EQ(ParseDriveTable("Z=/srv/z").find('Z')->hostFolder, "/srv/z");
}

TEST(DriveTable, BadEntriesAreNamed) {
  for (const char* bad : {"C", "1=/x", "C=relative", "C=/x:floppy", "C:/x"}) {
    try {
      ParseDriveTable(bad);
      ADD_FAILURE() << bad;
    } catch (const InstallerError& e) {
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
  }
}

TEST(DriveTable, HostPathsBecomeWindowsPathsThroughTheLongestPrefix) {
  DriveTable table = ParseDriveTable("C=/srv/c;D=/srv/c/media:cdrom");
  EXPECT_EQ(table.toWindows("/srv/c/Velmar/Setup.exe"), "C:\\Velmar\\Setup.exe");
  EXPECT_EQ(table.toWindows("/srv/c"), "C:\\");
  EXPECT_EQ(table.toWindows("/srv/c/media/x"), "D:\\x");
  EXPECT_EQ(table.toWindows("/srv/cd/x"), "Z:\\srv\\cd\\x");
  EXPECT_EQ(table.toWindows("/"), "Z:\\");
  table.unmap('Z');
  EXPECT_EQ(table.toWindows("/usr/bin"), std::nullopt);
}

}  // namespace velmar::platform
