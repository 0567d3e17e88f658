// Extraction with the archive read and inflated ahead on a second thread:
// the same events, in the same order, on the caller's thread, and the same
// files as on one thread.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include "services/zip/unzipper.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::FileOp;
using test::RandomBytes;
using test::ZipEntry;

std::string Text(size_t size, int seed) {
  std::string text;
  while (text.size() < size) text += "Line " + std::to_string(seed + text.size()) + " of the plant's log\r\n";
  return text.substr(0, size);
}

// An archive with every kind of item: folders, large files over many
// blocks, many small ones, and ones that fail, are refused or exist already.
std::vector<ZipEntry> MixedItems() {
  std::vector<ZipEntry> items = {{.name = "Bin/", .data = "", .method = 0},
                                 {.name = "Bin/Velmar.exe", .data = Text(600 * 1024, 1) + RandomBytes(500 * 1024)}};
  for (int i = 0; i < 60; ++i)
    items.push_back({.name = "Data/f" + std::to_string(i) + ".txt", .data = Text(size_t(i) * 97, i)});
  std::vector<ZipEntry> rest = {{.name = "Data/bad.bin", .data = RandomBytes(300 * 1024), .crc = 7},
                                {.name = "../evil.txt", .data = "e"},
                                {.name = "enc.txt", .data = "s", .encrypted = true},
                                {.name = "Keep.txt", .data = "new keep"},
                                {.name = "Replace.txt", .data = "new replace"},
                                {.name = "Skip.txt", .data = "skip"},
                                {.name = "stored.bin", .data = RandomBytes(700 * 1024, 5), .method = 0},
                                {.name = "bomb.bin", .data = std::string(1 << 20, 'A'), .uncompressedSize = 1000},
                                {.name = "last.txt", .data = "last"}};
  items.insert(items.end(), rest.begin(), rest.end());
  return items;
}

// One extraction on its own drive: what its events told, on which thread, and what it left.
struct Extraction {
  test::TempDrive drive;
  test::FailingFiles files{drive.fs()};
  TAbUnZipper zip{files};
  std::vector<std::string> events;
  bool otherThread = false;
  std::function<void(const TAbArchiveItem&)> onConfirm;  // a hook of the test
  std::function<bool(const TAbArchiveItem&)> confirm = [](const TAbArchiveItem& item) {
    return item.FileName != "Skip.txt";
  };

  Extraction(const std::string& archive, bool readAhead) {
    drive.writeFile("Archive.zip", archive);
    drive.writeFile("Out\\Keep.txt", "old keep");
    drive.writeFile("Out\\Replace.txt", "old replace");
    const auto caller = std::this_thread::get_id();
    auto note = [this, caller](std::string event) {
      otherThread |= std::this_thread::get_id() != caller;
      events.push_back(std::move(event));
    };
    zip.OnConfirmProcessItem = [this, note](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, bool& ok) {
      if (onConfirm) onConfirm(item);
      ok = confirm(item);
      note("confirm " + item.FileName + (ok ? "" : ": refused"));
    };
    zip.OnConfirmOverwrite = [note](std::string& name, bool& ok) {
      ok = name.find("Keep") == std::string::npos;
      note("overwrite " + name);
    };
    zip.OnArchiveProgress = [note](TAbUnZipper&, uint8_t percent, bool&) { note("progress " + std::to_string(percent)); };
    zip.OnProcessItemFailure = [note](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, TAbErrorClass c,
                                      int code) {
      note("failure " + item.FileName + " " + std::to_string(int(c)) + "/" + std::to_string(code));
    };
    zip.SetFileName(drive.path("Archive.zip"));
    zip.SetBaseDirectory(drive.path("Out"));
    zip.SetExtractOptions({eoCreateDirs, eoRestorePath});
    zip.SetReadAhead(readAhead);
  }

  void run() { zip.ExtractFiles("*.*"); }

  // Every file below Out with its bytes; folders end in "\".
  std::map<std::string, std::string> tree(const std::string& folder = "Out") {
    std::map<std::string, std::string> out;
    for (const auto& entry : drive.fs().find(drive.path(folder + "\\*.*"))) {
      if (entry.name == "." || entry.name == "..") continue;
      const std::string path = folder + "\\" + entry.name;
      if (entry.attributes & attr::Folder) {
        out[path + "\\"] = "";
        out.merge(tree(path));
      } else {
        out[path] = drive.readFile(path);
      }
    }
    return out;
  }

  // Paths below the drive named the same for both extractions.
  std::vector<std::string> relativeEvents() {
    std::vector<std::string> out;
    for (std::string event : events) {
      if (size_t at = event.find(drive.root()); at != std::string::npos) event.replace(at, drive.root().size(), "<drive>\\");
      out.push_back(event);
    }
    return out;
  }
};

TEST(UnzipperReadAhead, EventsAndFilesAreThoseOfOneThreadWithSeveralItemsInFlight) {
  const std::string archive = BuildZip(MixedItems());
  Extraction one(archive, false), two(archive, true);
  // While the first item waits for its confirmation, the worker reads the
  // items after it: the folder's header, the program's three blocks, two
  // small files and more, until the queue is full.
  const int readsBefore = two.files.calls(FileOp::Read);
  bool readAhead = false;
  two.onConfirm = [&](const TAbArchiveItem& item) {
    if (item.FileName != "Bin/") return;
    for (int wait = 0; wait < 1000 && !readAhead; ++wait) {
      readAhead = two.files.calls(FileOp::Read) >= readsBefore + 6;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  one.run();
  two.run();
  EXPECT_TRUE(readAhead);
  EXPECT_FALSE(two.otherThread);
  EXPECT_EQ(two.relativeEvents(), one.relativeEvents());
  EXPECT_EQ(two.tree(), one.tree());
  EXPECT_EQ(one.tree().size(), 2 + 60 + 5u);  // Bin\, Velmar.exe, Data\, 60 files, Keep, Replace, stored, last
}

// A file system failing in the middle of an item, on the writing thread or
// the reading one: the items it hits fail, the rest is extracted, an existing
// file stays as it was, and read ahead changes nothing of it.
TEST(UnzipperReadAhead, FileSystemFaultsFailTheirItemsAndKeepTheOldFile) {
  std::vector<ZipEntry> items;
  for (int i = 0; i < 12; ++i)
    items.push_back({.name = "f" + std::to_string(10 + i) + ".bin", .data = RandomBytes(100 * 1024, i)});
  items.push_back({.name = "Replace.txt", .data = "new replace"});
  items.push_back({.name = "Sub/s.txt", .data = "s"});
  const std::string archive = BuildZip(items);
  std::vector<std::string> unreadable;
  for (const auto& item : items) unreadable.push_back("failure " + item.name + " 0/");
  const struct {
    const char* what;
    test::FaultRule fault;
    std::vector<std::string> failures;  // the start of each failure event
    size_t left;                        // files and folders below Out
  } cases[] = {
      {"a full disk", {.op = FileOp::Write, .persistent = true, .pathContains = "Replace", .shortWrite = true},
       {"failure Replace.txt 1/"}, 16},
      {"a failed replace", {.op = FileOp::Replace, .pathContains = "Replace"}, {"failure Replace.txt 3/"}, 16},
      {"a failed create", {.op = FileOp::Create, .pathContains = "f12"}, {"failure f12.bin 3/"}, 15},
      {"a failed close", {.op = FileOp::Close, .pathContains = "f13"}, {"failure f13.bin 1/112"}, 15},
      {"a folder that cannot be made", {.op = FileOp::CreateFolder, .persistent = true}, {"failure Sub/s.txt 3/"}, 14},
      {"the 9th read of the archive", {.op = FileOp::Read, .nth = 9, .pathContains = "Archive.zip"},
       {"failure f18.bin 0/"}, 15},
      {"an archive that cannot be read", {.op = FileOp::Read, .persistent = true, .pathContains = "Archive.zip"}, unreadable, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> failures[2];
    std::map<std::string, std::string> trees[2];
    for (bool readAhead : {false, true}) {
      Extraction t(archive, readAhead);
      t.files.addFault(c.fault);
      t.run();
      std::copy_if(t.events.begin(), t.events.end(), std::back_inserter(failures[readAhead]),
                   [](auto& e) { return e.starts_with("failure"); });
      trees[readAhead] = t.tree();
    }
    ASSERT_EQ(failures[0].size(), c.failures.size()) << testing::PrintToString(failures[0]);
    for (size_t i = 0; i < c.failures.size(); ++i)
      EXPECT_TRUE(failures[0][i].starts_with(c.failures[i])) << failures[0][i];
    EXPECT_EQ(failures[1], failures[0]);
    EXPECT_EQ(trees[1], trees[0]);
    EXPECT_EQ(trees[0].size(), c.left);
    if (c.failures[0].starts_with("failure Replace") || c.left == 2) {
      EXPECT_EQ(trees[0]["Out\\Replace.txt"], "old replace");
    }
  }
}

}  // namespace
}  // namespace velmar
