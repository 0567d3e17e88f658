#include "support/memory_file_system.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

std::vector<std::string> Names(const std::vector<platform::DirEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name);
  return names;
}

std::string Read(platform::FileSystem& fs, const std::string& path) {
  auto file = fs.openRead(path);
  if (!file) return "<none>";
  std::string bytes;
  char buffer[64];
  for (int64_t got; (got = file->read(buffer, sizeof buffer)) > 0;) bytes.append(buffer, size_t(got));
  return bytes;
}

bool Write(std::unique_ptr<platform::OpenFile> file, std::string_view bytes) {
  return file && file->write(bytes.data(), bytes.size()) == int64_t(bytes.size()) && file->close();
}

TEST(MemoryFileSystem, FindsNamesWithoutRegardToCaseInNtfsOrder) {
  MemoryFileSystem fs;
  for (const char* name : {"b.txt", "A.txt", "_x", "zeta"}) fs.addFile(std::string("C:\\Sub\\") + name, "");
  fs.addFolder("C:\\sub\\Folder");
  EXPECT_EQ(Names(fs.find("C:\\SUB\\*.*")),
            (std::vector<std::string>{".", "..", "A.txt", "b.txt", "Folder", "zeta", "_x"}));
  EXPECT_EQ(Names(fs.find("C:\\Sub\\*.TXT")), (std::vector<std::string>{"A.txt", "b.txt"}));
  EXPECT_EQ(Names(fs.find("C:\\*")), std::vector<std::string>{"Sub"});  // a root has no dots
  EXPECT_TRUE(fs.find("C:\\Missing\\*.*").empty());
  ASSERT_TRUE(fs.setCurrentFolder("C:\\Sub\\folder\\.."));
  EXPECT_EQ(fs.currentFolder(), "C:\\Sub");
  EXPECT_EQ(Names(fs.find("?.txt")), (std::vector<std::string>{"A.txt", "b.txt"}));
  EXPECT_EQ(Read(fs, "b.TXT"), "");
}

TEST(MemoryFileSystem, WritesReplacesAndDeletesAsWindowsAllows) {
  MemoryFileSystem fs;
  fs.addFile("C:\\A\\ro.txt", "old", attr::ReadOnly);
  fs.addFile("C:\\A\\hidden.txt", "old", attr::Hidden);
  EXPECT_FALSE(fs.create("C:\\A\\ro.txt"));
  EXPECT_FALSE(fs.create("C:\\A\\hidden.txt"));
  EXPECT_FALSE(fs.create("C:\\Missing\\new.txt"));
  EXPECT_FALSE(fs.openAppend("C:\\A\\ro.txt"));
  ASSERT_TRUE(Write(fs.create("C:\\A\\new.txt"), "abc"));
  ASSERT_TRUE(Write(fs.openAppend("C:\\a\\NEW.txt"), "de"));
  EXPECT_EQ(Read(fs, "C:\\A\\new.txt"), "abcde");

  EXPECT_FALSE(fs.replaceFile("C:\\A\\new.txt", "C:\\A\\ro.txt", platform::Flush::Data));
  EXPECT_TRUE(fs.replaceFile("C:\\A\\new.txt", "C:\\A\\hidden.txt", platform::Flush::Data));
  EXPECT_EQ(Read(fs, "C:\\A\\hidden.txt"), "abcde");
  EXPECT_EQ(Read(fs, "C:\\A\\new.txt"), "<none>");

  EXPECT_EQ(fs.deleteFile("C:\\A\\ro.txt"), platform::error::AccessDenied);
  EXPECT_EQ(fs.deleteFile("C:\\A\\new.txt"), platform::error::FileNotFound);
  EXPECT_EQ(fs.deleteFile("C:\\B\\new.txt"), platform::error::PathNotFound);
  EXPECT_EQ(fs.deleteFile("C:\\A"), platform::error::AccessDenied);
  EXPECT_FALSE(fs.removeFolder("C:\\A"));  // not empty
  EXPECT_FALSE(fs.createFolder("C:\\B\\C"));  // one level at a time
  EXPECT_TRUE(fs.createFolder("C:\\B"));
  EXPECT_FALSE(fs.createFolder("C:\\b"));
  EXPECT_TRUE(fs.removeFolder("C:\\B"));
  EXPECT_FALSE(fs.removeFolder("C:\\"));
}

TEST(MemoryFileSystem, ReadsInPiecesAndFillsUpLikeADisk) {
  MemoryFileSystem fs;
  fs.addFile("D:\\Data.bin", "0123456789");
  fs.setReadPiece(3);
  auto file = fs.openRead("D:\\Data.bin");
  char buffer[10];
  EXPECT_EQ(file->read(buffer, sizeof buffer), 3);
  EXPECT_EQ(Read(fs, "D:\\Data.bin"), "0123456789");
  EXPECT_EQ(file->write("x", 1), -1);  // opened for reading

  fs.setQuota(4);
  auto out = fs.create("C:\\Out.bin");
  EXPECT_EQ(out->write("abc", 3), 3);
  EXPECT_EQ(out->write("def", 3), 1);
  EXPECT_EQ(out->write("g", 1), 0);
  EXPECT_EQ(Read(fs, "C:\\Out.bin"), "abcd");
  EXPECT_EQ(fs.driveType("d:\\"), platform::DriveType::CdRom);
  EXPECT_EQ(fs.driveType("E:\\"), platform::DriveType::NoRoot);
}

}  // namespace
}  // namespace velmar::test
