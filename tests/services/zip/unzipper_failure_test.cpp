// Extraction when the file system fails in the middle of an item.

#include <gtest/gtest.h>

#include "services/zip/unzipper.h"
#include "support/failing_files.h"
#include "support/temp_drive.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::FailingFiles;
using test::FileOp;

class UnzipperFailure : public ::testing::Test {
 protected:
  test::TempDrive drive;
  FailingFiles files{drive.fs()};
  TAbUnZipper zip{files};
  std::vector<std::pair<std::string, TAbErrorClass>> failures;

  void SetUp() override {
    zip.OnProcessItemFailure = [this](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, TAbErrorClass c, int) {
      failures.emplace_back(item.FileName, c);
    };
    std::string big = test::RandomBytes(600 * 1024);
    drive.writeFile("Archive.zip", test::BuildZip({{.name = "Old.dll", .data = big},
                                                   {.name = "New.dll", .data = big},
                                                   {.name = "Last.txt", .data = "last"}}));
    drive.writeFile("Out\\Old.dll", "old version");
    zip.SetFileName(drive.path("Archive.zip"));
    zip.SetBaseDirectory(drive.path("Out"));
    zip.SetExtractOptions({eoCreateDirs, eoRestorePath});
  }

  std::vector<std::string> outNames() {
    std::vector<std::string> out;
    for (const auto& e : drive.fs().find(drive.path("Out\\*.*")))
      if (e.name != "." && e.name != "..") out.push_back(e.name);
    return out;
  }
};

TEST_F(UnzipperFailure, AFullDiskFailsTheItemAndKeepsTheOldFile) {
  files.addFault({.op = FileOp::Write, .nth = 2, .persistent = true, .pathContains = ".dll", .shortWrite = true});
  zip.ExtractFiles("*.*");
  using P = std::pair<std::string, TAbErrorClass>;
  EXPECT_EQ(failures, (std::vector<P>{{"Old.dll", TAbErrorClass::ecInOutError}, {"New.dll", TAbErrorClass::ecInOutError}}));
  EXPECT_EQ(drive.readFile("Out\\Old.dll"), "old version");
  EXPECT_EQ(outNames(), (std::vector<std::string>{"Last.txt", "Old.dll"}));
}

TEST_F(UnzipperFailure, AFailedCreateOrReplaceLeavesNothingBehind) {
  files.addFault({.op = FileOp::Replace, .pathContains = "Old.dll"});
  files.addFault({.op = FileOp::Create, .pathContains = "New.dll"});
  zip.ExtractFiles("*.*");
  using P = std::pair<std::string, TAbErrorClass>;
  EXPECT_EQ(failures,
            (std::vector<P>{{"Old.dll", TAbErrorClass::ecFileCreateError}, {"New.dll", TAbErrorClass::ecFileCreateError}}));
  EXPECT_EQ(drive.readFile("Out\\Old.dll"), "old version");
  EXPECT_EQ(outNames(), (std::vector<std::string>{"Last.txt", "Old.dll"}));
}

TEST_F(UnzipperFailure, AnArchiveThatCannotBeReadFailsItsItems) {
  files.addFault({.op = FileOp::Read, .nth = 2, .persistent = true, .pathContains = "Archive.zip"});
  zip.ExtractFiles("*.*");
  ASSERT_EQ(failures.size(), 3u);
  EXPECT_EQ(failures[0].second, TAbErrorClass::ecAbbrevia);
  EXPECT_EQ(drive.readFile("Out\\Old.dll"), "old version");
  EXPECT_EQ(outNames(), std::vector<std::string>{"Old.dll"});
}

TEST_F(UnzipperFailure, AFolderThatCannotBeMadeFailsTheItemsInIt) {
  drive.writeFile("Archive2.zip", test::BuildZip({{.name = "Sub/a.txt", .data = "a"}, {.name = "b.txt", .data = "b"}}));
  zip.SetFileName(drive.path("Archive2.zip"));
  files.addFault({.op = FileOp::CreateFolder, .persistent = true});
  zip.ExtractFiles("*.*");
  using P = std::pair<std::string, TAbErrorClass>;
  EXPECT_EQ(failures, (std::vector<P>{{"Sub/a.txt", TAbErrorClass::ecFileCreateError}}));
  EXPECT_EQ(drive.readFile("Out\\b.txt"), "b");
}

}  // namespace
}  // namespace velmar
