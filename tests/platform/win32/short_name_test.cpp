// The 8.3 short name Windows gives a long name is one more name of the same
// place.

#include <gtest/gtest.h>

#include "platform/files/places.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {
namespace {

TEST(ShortName, IsTheSamePlaceAsTheLongName) {
  test::TempDrive drive;
  drive.writeFile("Plant Boiler House\\Boiler Project.VPR", "[Project]");
  const std::wstring longName = Widen(drive.path("Plant Boiler House\\Boiler Project.VPR"));
  std::wstring shortName(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(longName.c_str(), shortName.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) GTEST_SKIP() << "this file system keeps no short names";
  shortName.resize(length);
  const std::string shortPath = Narrow(shortName);
  if (shortPath == Narrow(longName)) GTEST_SKIP() << "this file system keeps no short names";
  FileSystem& fs = drive.fs();
  EXPECT_TRUE(SamePlace(fs, shortPath, drive.path("Plant Boiler House\\Boiler Project.VPR"))) << shortPath;
  const std::string shortFolder = shortPath.substr(0, shortPath.find_last_of('\\'));
  EXPECT_TRUE(SamePlace(fs, shortFolder, drive.path("Plant Boiler House"))) << shortFolder;
  EXPECT_TRUE(IsAtOrInside(fs, shortFolder + "\\New\\x.txt", drive.path("Plant Boiler House")));
  EXPECT_TRUE(IsAtOrInside(fs, drive.path("Plant Boiler House\\x"), shortFolder));
}

}  // namespace
}  // namespace velmar::platform
