// Extraction when the file system fails in the middle of an item.

#include <gtest/gtest.h>

#include "services/zip/unzipper.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::FailingFiles;
using test::FileOp;
using Failure = std::pair<std::string, TAbErrorClass>;

// Archive.zip with two large items and a small one, extracted over an older Out\Old.dll.
struct Extraction {
  Extraction() {
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

  test::TempDrive drive;
  FailingFiles files{drive.fs()};
  TAbUnZipper zip{files};
  std::vector<Failure> failures;
};

TEST(UnzipperFailure, AFailingFileSystemFailsItsItemsAndKeepsTheOldFile) {
  const auto InOut = TAbErrorClass::ecInOutError, Create = TAbErrorClass::ecFileCreateError,
             Archive = TAbErrorClass::ecAbbrevia;
  const struct {
    const char* what;
    std::vector<test::FaultRule> faults;
    std::vector<Failure> failures;
    std::vector<std::string> left;
  } cases[] = {
      {"a full disk",
       {{.op = FileOp::Write, .nth = 2, .persistent = true, .pathContains = ".dll", .shortWrite = true}},
       {{"Old.dll", InOut}, {"New.dll", InOut}},
       {"Last.txt", "Old.dll"}},
      {"a failed replace or create",
       {{.op = FileOp::Replace, .pathContains = "Old.dll"}, {.op = FileOp::Create, .pathContains = "New.dll"}},
       {{"Old.dll", Create}, {"New.dll", Create}},
       {"Last.txt", "Old.dll"}},
      {"an archive that cannot be read",
       {{.op = FileOp::Read, .nth = 2, .persistent = true, .pathContains = "Archive.zip"}},
       {{"Old.dll", Archive}, {"New.dll", Archive}, {"Last.txt", Archive}},
       {"Old.dll"}},
  };
  for (const auto& c : cases) {
    Extraction t;
    for (const auto& fault : c.faults) t.files.addFault(fault);
    t.zip.ExtractFiles("*.*");
    EXPECT_EQ(t.failures, c.failures) << c.what;
    EXPECT_EQ(t.drive.readFile("Out\\Old.dll"), "old version") << c.what;
    EXPECT_EQ(t.outNames(), c.left) << c.what;
  }
}

TEST(UnzipperFailure, AFolderThatCannotBeMadeFailsTheItemsInIt) {
  Extraction t;
  t.drive.writeFile("Archive2.zip", test::BuildZip({{.name = "Sub/a.txt", .data = "a"}, {.name = "b.txt", .data = "b"}}));
  t.zip.SetFileName(t.drive.path("Archive2.zip"));
  t.files.addFault({.op = FileOp::CreateFolder, .persistent = true});
  t.zip.ExtractFiles("*.*");
  EXPECT_EQ(t.failures, (std::vector<Failure>{{"Sub/a.txt", TAbErrorClass::ecFileCreateError}}));
  EXPECT_EQ(t.drive.readFile("Out\\b.txt"), "b");
}

}  // namespace
}  // namespace velmar
