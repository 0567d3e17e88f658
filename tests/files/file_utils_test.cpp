#include "files/file_utils.h"

#include <gtest/gtest.h>

#include <tuple>

#include "base/errors.h"
#include "base/text_case.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

using platform::DriveType;

// 2001-02-03 04:05:06.7 UTC.
constexpr FileTime SomeTime = 126256455067000000;

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class FileUtils : public ::testing::Test {
 protected:
  test::TempDrive drive;
  platform::FileSystem& fs = drive.fs();

  uint32_t Attributes(std::string_view relative) {
    return fs.attributes(drive.path(relative)).value_or(0xFFFFFFFF);
  }
  void SetAttributes(std::string_view relative, uint32_t bits) {
    ASSERT_TRUE(fs.setAttributes(drive.path(relative), bits)) << relative;
  }
};

TEST_F(FileUtils, CopyFileContentsCopiesEveryBlockAndKeepsTheTimes) {
  const std::string bytes = Pattern(3 * 32768 + 5);
  drive.writeFile("Src\\big.bin", bytes);
  ASSERT_TRUE(fs.setFileTimes(drive.path("Src\\big.bin"), {SomeTime, SomeTime, SomeTime}));
  drive.makeFolder("Dst");
  drive.writeFile("Dst\\big.bin", "an older and shorter file");
  EXPECT_EQ(CopyFileContents(fs, drive.path("Src\\big.bin"), drive.path("dst\\BIG.bin")), 1);
  EXPECT_EQ(drive.readFile("Dst\\big.bin"), bytes);
  EXPECT_EQ(fs.fileTimes(drive.path("Dst\\big.bin"))->lastWrite, SomeTime);

  drive.writeFile("empty.txt", "");
  EXPECT_EQ(CopyFileContents(fs, drive.path("empty.txt"), drive.path("Dst\\empty.txt")), 1);
  EXPECT_EQ(drive.readFile("Dst\\empty.txt"), "");
}

TEST_F(FileUtils, CopyFileContentsRefusesWithoutTouchingAnything) {
  drive.writeFile("Setup.ini", "original");
  drive.writeFile("locked.ini", "keep me");
  SetAttributes("locked.ini", attr::ReadOnly);
  for (const auto& [from, to, code] : std::vector<std::tuple<const char*, const char*, int>>{
           {"Setup.ini", ".\\Sub\\..\\SETUP.INI", -2}, {"missing.txt", "copy.txt", -1}, {"Setup.ini", "locked.ini", -2}})
    EXPECT_EQ(CopyFileContents(fs, drive.path(from), drive.path(to)), code) << to;
  EXPECT_EQ(drive.readFile("Setup.ini"), "original");
  EXPECT_EQ(drive.readFile("locked.ini"), "keep me");
  EXPECT_FALSE(drive.exists("copy.txt"));
}

// A failure names the file it failed on; a full disk ends the copy with its
// own code, never with success, and stops it writing.
TEST_F(FileUtils, ACopyThatEndsEarlyLeavesTheTargetAsItWas) {
  drive.writeFile("Src\\big.bin", Pattern(5 * 32768));
  drive.writeFile("Dst\\big.bin", "old copy");
  const std::string from = drive.path("Src\\big.bin"), to = drive.path("Dst\\big.bin");
  const struct {
    test::FaultRule rule;
    std::string outcome;  // part of the error, or the code returned
  } cases[] = {{{.op = test::FileOp::Read, .nth = 3}, from},
               {{.op = test::FileOp::Write, .nth = 2}, to},
               {{.op = test::FileOp::Close, .pathContains = "Dst"}, "Dst"},
               {{.op = test::FileOp::Write, .nth = 4, .shortWrite = true}, "-3"}};
  for (const auto& c : cases) {
    test::FailingFiles files(fs);
    files.addFault(c.rule);
    std::string outcome;
    try {
      outcome = std::to_string(CopyFileContents(files, from, to));
    } catch (const InstallerError& e) {
      outcome = e.what();
    }
    EXPECT_NE(outcome.find(c.outcome), std::string::npos) << outcome;
    EXPECT_EQ(drive.readFile("Dst\\big.bin"), "old copy") << outcome;
    EXPECT_EQ(fs.find(drive.path("Dst\\*.*")).size(), 3u) << outcome;
    if (c.rule.shortWrite) {
      EXPECT_EQ(files.calls(test::FileOp::Write), 4);
    }
  }
}

// A file that cannot be copied or a folder that cannot be made is passed
// over, the rest is copied, and the copy says it is not whole.
TEST_F(FileUtils, CopyFolderTreeGoesOnAfterWhatCannotBeCopiedAndSaysSo) {
  drive.writeFile("Src\\a.txt", "a");
  drive.writeFile("Src\\b.txt", "b");
  drive.writeFile("Src\\Sub\\c.txt", std::string(100, 'c'));
  const struct {
    test::FaultRule fault;
    const char* missing;
  } cases[] = {
      {{.op = test::FileOp::Create, .pathContains = "b.txt"}, "b.txt"},
      {{.op = test::FileOp::Write, .pathContains = "c.txt", .shortWrite = true}, "Sub\\c.txt"},
      {{.op = test::FileOp::CreateFolder, .pathContains = "Sub"}, "Sub\\c.txt"},
  };
  for (const auto& c : cases) {
    const std::string out = "Out-" + std::string(test::FileOpName(c.fault.op)) + "\\";
    test::FailingFiles files(fs);
    files.addFault(c.fault);
    EXPECT_FALSE(CopyFolderTree(files, drive.path("Src"), drive.path(out), "*.*", true)) << out;
    EXPECT_FALSE(drive.exists(out + c.missing)) << out;
    EXPECT_TRUE(drive.exists(out + "a.txt")) << out;
  }
}

TEST_F(FileUtils, CopyFolderTreeCopiesTwoLevelsWithHiddenAndSystemFiles) {
  const std::vector<std::string> files = {"top.txt", "hidden.dat", "Sub\\mid.txt", "Sub\\system.sys",
                                          "Sub\\Deep\\low.txt"};
  for (const std::string& name : files) drive.writeFile("Src\\" + name, name);
  drive.makeFolder("Src\\Empty");
  SetAttributes("Src\\hidden.dat", attr::Hidden);
  SetAttributes("Src\\Sub\\system.sys", attr::System);

  EXPECT_TRUE(CopyFolderTree(fs, drive.path("Src"), drive.path("Out\\Copy"), "*.*", true));
  for (const std::string& name : files) EXPECT_EQ(drive.readFile("Out\\Copy\\" + name), name);
  EXPECT_TRUE(Attributes("Out\\Copy\\Empty") & attr::Folder);
  // "." and ".." were not followed: nothing of the parent came along.
  EXPECT_FALSE(drive.exists("Out\\Copy\\Src"));

  CopyFolderTree(fs, drive.path("Src\\"), drive.path("Flat\\"), "*.txt", false);
  EXPECT_TRUE(drive.exists("Flat\\top.txt"));
  EXPECT_FALSE(drive.exists("Flat\\hidden.dat"));
  EXPECT_FALSE(drive.exists("Flat\\Sub"));
}

TEST_F(FileUtils, CopyFolderTreeIntoItsOwnSubFolderEnds) {
  drive.writeFile("A\\file.txt", "f");
  drive.writeFile("A\\B\\inner.txt", "i");
  CopyFolderTree(fs, drive.path("A"), drive.path("A\\B\\C"), "*.*", true);
  EXPECT_EQ(drive.readFile("A\\B\\C\\file.txt"), "f");
  EXPECT_EQ(drive.readFile("A\\B\\C\\B\\inner.txt"), "i");
  EXPECT_FALSE(drive.exists("A\\B\\C\\B\\C"));
}

TEST_F(FileUtils, DeleteFileForcedLeavesSystemFilesAndFolders) {
  for (const char* name : {"ro.txt", "hidden.txt", "system.txt"}) drive.writeFile(name, "s");
  drive.makeFolder("Folder");
  SetAttributes("ro.txt", attr::ReadOnly);
  SetAttributes("hidden.txt", attr::Hidden | attr::ReadOnly);
  SetAttributes("system.txt", attr::System);
  for (const char* name : {"ro.txt", "hidden.txt", "system.txt", "Folder", "missing.txt"})
    EXPECT_EQ(DeleteFileForced(fs, drive.path(name)), 0) << name;
  EXPECT_FALSE(drive.exists("ro.txt") || drive.exists("hidden.txt"));
  EXPECT_EQ(drive.readFile("system.txt"), "s");
  EXPECT_TRUE(Attributes("Folder") & attr::Folder);
}

TEST_F(FileUtils, ForceFolderCreatesParentsAndKeepsTheCurrentFolder) {
  drive.makeFolder("Here");
  ASSERT_TRUE(fs.setCurrentFolder(drive.path("Here")));
  const std::string current = fs.currentFolder();

  EXPECT_TRUE(ForceFolder(fs, drive.path("A\\B\\C")));
  EXPECT_TRUE(Attributes("A\\B\\C") & attr::Folder);
  EXPECT_EQ(fs.currentFolder(), current);

  drive.writeFile("Blocker", "a file where a folder should be");
  EXPECT_FALSE(ForceFolder(fs, drive.path("Blocker\\Sub")));
  EXPECT_EQ(fs.currentFolder(), current);

  // A folder longer than Windows makes one (a setting may name one) leaves
  // nothing behind.
  std::string deep = drive.path("Deep");
  while (deep.size() < 3000) deep += "\\N";
  EXPECT_FALSE(ForceFolder(fs, deep));
  EXPECT_FALSE(drive.exists("Deep"));
}

TEST_F(FileUtils, FileHasMarkerLooksOnlyAtTheFirstCandidateInTheFirst51Bytes) {
  const auto has = [&](const std::string& bytes, std::string_view text, int last) {
    drive.writeFile("driver.vdr", bytes);
    return FileHasMarker(fs, CodePage::Cp1252, drive.path("driver.vdr"), text, last);
  };
  const std::string marker = "Vel_Driver";  // 10 characters
  EXPECT_TRUE(has(std::string(29, '-') + marker, marker, 30));    // position 30
  EXPECT_FALSE(has(std::string(30, '-') + marker, marker, 30));   // position 31
  EXPECT_TRUE(has(std::string(40, '-') + marker + "tail", marker, 51));   // ends at byte 50
  EXPECT_FALSE(has(std::string(41, '-') + marker + "tail", marker, 51));  // ends at byte 51
  EXPECT_FALSE(has("V-" + marker, marker, 30));  // the first "V" is the only one tried
  EXPECT_FALSE(FileHasMarker(fs, CodePage::Cp1252, drive.path("missing.vdr"), marker, 30));
}

class CheckWritableTest : public FileUtils {
 protected:
  std::vector<std::pair<std::string, std::string>> shown;
  MessageBoxSink sink{[this](const std::string& text, const std::string& caption) {
                        shown.emplace_back(text, caption);
                      },
                      "Setup.exe"};
  // The result and the one message shown for it, which names the path.
  void ExpectRefused(const std::string& path, int code) {
    shown.clear();
    EXPECT_EQ(CheckWritable(fs, path, "", true, sink), code) << path;
    ASSERT_EQ(shown.size(), 1u) << path;
    EXPECT_EQ(shown[0].first.rfind(std::to_string(code) + ": ", 0), 0u) << shown[0].first;
    EXPECT_TRUE(shown[0].first.ends_with("\r\n\r\n" + path)) << shown[0].first;
    EXPECT_EQ(shown[0].second, "ERROR: Setup.exe");
  }
};

TEST_F(CheckWritableTest, ExistingFiles) {
  for (const char* name : {"ro.ini", "hidden.ini"}) drive.writeFile(name, "x");
  drive.makeFolder("Folder");
  SetAttributes("ro.ini", attr::ReadOnly | attr::Archive);
  SetAttributes("hidden.ini", attr::Hidden);
  EXPECT_EQ(CheckWritable(fs, drive.path("ro.ini"), "", true, sink), 1);
  EXPECT_EQ(Attributes("ro.ini") & attr::ReadOnly, 0u);
  for (const char* name : {"hidden.ini", "Folder"})
    EXPECT_EQ(CheckWritable(fs, drive.path(name), "", false, sink), -1) << name;
  EXPECT_TRUE(shown.empty());
  ExpectRefused(drive.path("hidden.ini"), -1);
}

TEST_F(CheckWritableTest, AMissingFileGetsItsFolderUnlessTheDriveCannotBeWritten) {
  EXPECT_EQ(CheckWritable(fs, drive.path("New\\Deeper\\Setup.ini"), "", true, sink), 1);
  EXPECT_TRUE(Attributes("New\\Deeper") & attr::Folder);
  EXPECT_FALSE(drive.exists("New\\Deeper\\Setup.ini"));
  drive.writeFile("Blocker", "x");
  ExpectRefused(drive.path("Blocker\\Sub\\Setup.ini"), -4);

  for (char letter = 'Y'; letter >= 'K'; --letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (fs.driveType(root) != DriveType::NoRoot) continue;
    ExpectRefused(root + "Velmar\\Setup.ini", -3);
    break;
  }
  const auto cd = drive.addDrive(DriveType::CdRom);
  if (!cd) GTEST_SKIP() << "this port cannot add a CD-ROM drive";
  ExpectRefused(*cd + "Setup.ini", -2);
}

}  // namespace
}  // namespace velmar
