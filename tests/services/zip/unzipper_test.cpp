#include "services/zip/unzipper.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/clock.h"
#include "support/fixture/shell_ports.h"
#include "support/files/temp_drive.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::RandomBytes;
using test::TempDrive;
using test::ZipEntry;

struct Failure {
  std::string name;
  TAbErrorClass errorClass;
  int code;
  bool operator==(const Failure&) const = default;
  friend void PrintTo(const Failure& f, std::ostream* os) {
    *os << f.name << " " << int(f.errorClass) << "/" << f.code;
  }
};

// An archive on the temporary drive, a reader for it and what its events told.
class Unzipper : public ::testing::Test {
 protected:
  TempDrive drive;
  TAbUnZipper zip{drive.fs()};
  std::vector<std::string> confirmed, overwriteAsked;
  std::vector<int> progress;
  std::vector<Failure> failures;

  void SetUp() override {
    zip.OnConfirmProcessItem = [this](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, bool&) {
      confirmed.push_back(item.FileName);
    };
    zip.OnArchiveProgress = [this](TAbUnZipper&, uint8_t percent, bool&) { progress.push_back(percent); };
    zip.OnProcessItemFailure = [this](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, TAbErrorClass c,
                                      int code) { failures.push_back({item.FileName, c, code}); };
  }

  void extract(const std::string& bytes, const std::string& out = "Out") {
    drive.writeFile("Media\\Archive.zip", bytes);
    zip.SetFileName(drive.path("Media\\Archive.zip"));
    failures.clear();
    zip.SetBaseDirectory(drive.path(out));
    zip.SetExtractOptions({eoCreateDirs, eoRestorePath});
    zip.ExtractFiles("*.*");
  }

  std::vector<std::string> names(const std::string& folder) { return test::FolderNames(drive.fs(), drive.path(folder)); }

  Failure failure(const std::string& name, int code) { return {name, TAbErrorClass::ecAbbrevia, code}; }
};

std::string MixedContent(size_t size) {
  std::string text;
  while (text.size() < size / 2) text += "Line " + std::to_string(text.size()) + " of the Velmar release notes\r\n";
  return text + RandomBytes(size - text.size());
}

TEST_F(Unzipper, ExtractsStoredAndDeflatedItemsIntoTheirSubFolders) {
  std::string big = MixedContent(700 * 1024);  // several blocks, in and out
  extract(BuildZip({{.name = "Bin/", .data = "", .method = 0},
                    {.name = "Bin/Velmar.exe", .data = big},
                    {.name = "Readme.txt", .data = "read me", .method = 0},
                    {.name = "Data/Deep/Plant.cfg", .data = "[Plant]"},
                    {.name = "Empty.log", .data = ""}}));
  EXPECT_EQ(drive.readFile("Out\\Bin\\Velmar.exe"), big);
  EXPECT_EQ(drive.readFile("Out\\Data\\Deep\\Plant.cfg"), "[Plant]");
  EXPECT_EQ(names("Out"), (std::vector<std::string>{"Bin", "Data", "Empty.log", "Readme.txt"}));
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(confirmed, (std::vector<std::string>{"Bin/", "Bin/Velmar.exe", "Readme.txt", "Data/Deep/Plant.cfg", "Empty.log"}));
}

// That a refused overwrite keeps the file is also the read-ahead test's.
TEST_F(Unzipper, AnExistingFileIsReplacedOnlyWhenTheOverwriteIsConfirmed) {
  drive.writeFile("Out\\Sub\\Keep.txt", "old keep");
  zip.OnConfirmOverwrite = [this](std::string& name, bool& confirm) {
    overwriteAsked.push_back(name);
    confirm = name.find("Keep") == std::string::npos;
  };
  extract(BuildZip({{.name = "Sub/Keep.txt", .data = "new keep"},
                    {.name = "Fresh.txt", .data = "fresh"}}));
  EXPECT_EQ(overwriteAsked, std::vector<std::string>{drive.path("Out\\Sub\\Keep.txt")});
  EXPECT_EQ(drive.readFile("Out\\Sub\\Keep.txt") + "|" + drive.readFile("Out\\Fresh.txt"), "old keep|fresh");
  EXPECT_EQ(progress.back(), 100);  // a skipped item still counts as handled
}

TEST_F(Unzipper, DamagedItemsFailAndLeaveNoFileButKeepAnExistingOne) {
  drive.writeFile("Out\\Setup.dll", "working old version");
  std::string data = MixedContent(300 * 1024);
  extract(BuildZip({{.name = "Setup.dll", .data = data, .crc = 0x12345678}, {.name = "New.dll", .data = data, .crc = 0x12345678},
                    {.name = "Stored.dat", .data = "abc", .method = 0, .crc = 1}, {.name = "Good.txt", .data = "good"}}));
  const std::vector<Failure> damaged = {failure("Setup.dll", zip_error::BadCrc), failure("New.dll", zip_error::BadCrc),
                                         failure("Stored.dat", zip_error::BadCrc)};
  EXPECT_EQ(failures, damaged);
  EXPECT_EQ(drive.readFile("Out\\Setup.dll"), "working old version");
  EXPECT_EQ(names("Out"), (std::vector<std::string>{"Good.txt", "Setup.dll"}));  // no temporary files left
}

// Each item that cannot be written safely fails on its own and leaves no
// file; the rest extracts. Which names are refused is the name rules'
// business; here, that a refused item is written nowhere.
TEST_F(Unzipper, ItemsThatCannotBeWrittenSafelyFailOneByOne) {
  const struct {
    const char* what;
    std::vector<ZipEntry> entries;
    std::vector<Failure> failures;
  } cases[] = {
      {"lying sizes",
       {{.name = "bomb.bin", .data = std::string(4 * 1024 * 1024, 'A'), .uncompressedSize = 1000},
        {.name = "short.bin", .data = "12345", .uncompressedSize = 9},
        {.name = "stored.bin", .data = "12345", .method = 0, .uncompressedSize = 4}},
       {failure("bomb.bin", zip_error::TooLarge), failure("short.bin", zip_error::TooSmall),
        failure("stored.bin", zip_error::TooLarge)}},
      {"names that leave the base folder or cannot exist",
       {{.name = "Sub/../../evil.txt", .data = "e"}, {.name = "NUL.txt", .data = "e"}},
       {failure("Sub/../../evil.txt", zip_error::UnsafeName), failure("NUL.txt", zip_error::InvalidName)}},
      {"encryption, unknown methods, bad local headers",
       {{.name = "secret.txt", .data = "s", .encrypted = true}, {.name = "bzip2.bin", .data = "b", .method = 12},
        {.name = "moved.txt", .data = "m", .localHeaderOffset = 1}},
       {failure("secret.txt", zip_error::Encrypted), failure("bzip2.bin", zip_error::UnknownMethod),
        failure("moved.txt", zip_error::BadLocalHeader)}},
  };
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string out = "Out" + std::to_string(++run);
    std::vector<ZipEntry> entries = c.entries;
    entries.push_back({.name = "ok.txt", .data = "ok"});
    extract(BuildZip(entries), out);
    EXPECT_EQ(failures, c.failures);
    EXPECT_EQ(names(out), std::vector<std::string>{"ok.txt"});
  }
  EXPECT_EQ(names(""), (std::vector<std::string>{"Media", "Out1", "Out2", "Out3"}));
}

// The central directory's entries in reverse order; their local headers stay where they are.
std::string ReversedDirectory(const std::string& zip) {
  const std::string entrySig("PK\x01\x02", 4);
  const size_t start = zip.find(entrySig), end = zip.rfind(std::string("PK\x05\x06", 4));
  std::vector<std::string> entries;
  for (size_t at = start; at < end;) {
    const size_t next = std::min(zip.find(entrySig, at + 4), end);
    entries.insert(entries.begin(), zip.substr(at, next - at));
    at = next;
  }
  std::string out = zip.substr(0, start);
  for (const auto& entry : entries) out += entry;
  return out + zip.substr(end);
}

// Items whose local header or data another item uses too (a zip bomb without
// nesting unpacks the same bytes many times), or whose local header names
// another file, fail before anything of theirs is written; the rest extracts.
TEST_F(Unzipper, ItemsSharingBytesOrWithAnotherLocalNameFail) {
  const ZipEntry last = {.name = "last.txt", .data = "last"};
  const ZipEntry inner = {.name = "Bin/inner.txt", .data = "inner", .method = 0};
  // Stored data that runs on over the next item's local header and data.
  ZipEntry outer = {.name = "Bin/outer.txt", .data = "outer", .method = 0};
  outer.compressedSize = outer.uncompressedSize = outer.data.size() + 30 + inner.name.size() + inner.data.size();
  const std::string named = BuildZip({{.name = "Bin/Setup.ini", .data = "ini"}, last});
  const std::string grusse = "Bin/Gr\xC3\xBC\xC3\x9F" "e.txt";  // UTF-8 bytes
  // The UTF-8 flag set in the central directory only.
  auto centralFlagOnly = [&](ZipEntry entry) {
    entry.utf8 = true;
    std::string zip = BuildZip({entry, last});
    zip[7] &= ~0x08;
    return zip;
  };
  const auto overlapping = zip_error::Overlapping;
  const struct {
    const char* what;
    std::string zip;
    std::vector<Failure> failures;  // none: Bin\ is made too
  } cases[] = {
      {"two entries of one local header",
       BuildZip({{.name = "Bin/a.txt", .data = "a"}, {.name = "Bin/b.txt", .data = "b", .localHeaderOffset = 0}, last}),
       {failure("Bin/a.txt", overlapping), failure("Bin/b.txt", overlapping)}},
      {"data that holds the next item", BuildZip({outer, inner, last}),
       {failure("Bin/outer.txt", overlapping), failure("Bin/inner.txt", overlapping)}},
      {"a local header that names another file", named.substr(0, 30) + "Bin/Setup.exe" + named.substr(30 + 13),
       {failure("Bin/Setup.ini", zip_error::LocalNameDiffers)}},
      {"the UTF-8 flag differs where it changes the name", centralFlagOnly({.name = grusse, .data = "g"}),
       {failure(grusse, zip_error::LocalNameDiffers)}},
      {"the UTF-8 flag differs on a name from Unix, UTF-8 either way",
       centralFlagOnly({.name = grusse, .data = "g", .versionMadeBy = 3 << 8 | 30}), {}},
      {"entries listed in another order than their local headers",
       ReversedDirectory(BuildZip({{.name = "Bin/", .data = "", .method = 0}, {.name = "Bin/x.txt", .data = "x"}, last})), {}},
  };
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string out = "Out" + std::to_string(++run);
    extract(c.zip, out);
    EXPECT_EQ(failures, c.failures);
    const std::vector<std::string> made = {"Bin", "last.txt"};
    EXPECT_EQ(names(out), c.failures.empty() ? made : std::vector<std::string>{"last.txt"});
    EXPECT_EQ(drive.readFile(out + "\\last.txt"), "last");
  }
}

TEST_F(Unzipper, ItemsNamedLikeTemporaryFilesOrOnlyByCaseDoNotClobberEachOther) {
  zip.OnConfirmOverwrite = [this](std::string& name, bool&) { overwriteAsked.push_back(name); };
  extract(BuildZip({{.name = "New/a.txt.vz~", .data = "first"}, {.name = "New/a.txt", .data = "second"},
                    {.name = "New/A.TXT", .data = "third"}}));
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(drive.readFile("Out\\New\\a.txt.vz~"), "first");
  EXPECT_EQ(drive.readFile("Out\\New\\a.txt"), "third");
  EXPECT_EQ(overwriteAsked, std::vector<std::string>{drive.path("Out\\New\\A.TXT")});
  EXPECT_EQ(names("Out\\New"), (std::vector<std::string>{"a.txt", "a.txt.vz~"}));
}

TEST_F(Unzipper, FileAndFolderOfTheSameNameFail) {
  drive.makeFolder("Out\\Taken.txt");
  drive.writeFile("Out\\File", "a file");
  extract(BuildZip({{.name = "Taken.txt", .data = "t"}, {.name = "File/inner.txt", .data = "i"}}));
  EXPECT_EQ(failures, (std::vector<Failure>{failure("Taken.txt", zip_error::NotAFolder),
                                            failure("File/inner.txt", zip_error::NotAFolder)}));
  EXPECT_EQ(drive.readFile("Out\\File"), "a file");
}

// How names are read is the directory's; here the data found by ZIP64
// fields and sized by data descriptors.
TEST_F(Unzipper, DataDescriptorsAndZip64Extract) {
  std::string data = MixedContent(100 * 1024);
  for (bool zip64 : {false, true}) {
    extract(BuildZip({{.name = "dd.bin", .data = data, .dataDescriptor = true}, {.name = "b.txt", .data = "b"}},
                     {.zip64 = zip64}));
    EXPECT_EQ(drive.readFile("Out\\dd.bin"), data);
    EXPECT_EQ(drive.readFile("Out\\b.txt"), "b");
  }
  EXPECT_TRUE(failures.empty());
}

TEST_F(Unzipper, RestoresTheLastWriteTimeAndAttributes) {
  extract(BuildZip({{.name = "dos.txt", .data = "d"},
                    {.name = "unix.txt", .data = "u", .unixTime = 1600000000},
                    {.name = "ro.txt", .data = "r", .externalAttributes = attr::ReadOnly},
                    {.name = "sys.txt", .data = "s", .externalAttributes = attr::Hidden | attr::System}}));
  auto& fs = drive.fs();
  EXPECT_EQ(fs.fileTimes(drive.path("Out\\dos.txt"))->lastWrite, platform::LocalTimeToFileTime({2021, 6, 15, 14, 30, 10}));
  EXPECT_EQ(fs.fileTimes(drive.path("Out\\unix.txt"))->lastWrite, 116444736000000000 + 1600000000LL * 10000000);
  EXPECT_EQ(*fs.attributes(drive.path("Out\\dos.txt")) & attr::ReadOnly, 0u);
  EXPECT_NE(*fs.attributes(drive.path("Out\\ro.txt")) & attr::ReadOnly, 0u);
  EXPECT_EQ(*fs.attributes(drive.path("Out\\sys.txt")) & (attr::Hidden | attr::System), attr::Hidden | attr::System);
  // A confirmed overwrite replaces read-only, hidden and system files too.
  zip.ExtractFiles("*.*");
  EXPECT_TRUE(failures.empty());
  EXPECT_NE(*fs.attributes(drive.path("Out\\ro.txt")) & attr::ReadOnly, 0u);
}

TEST_F(Unzipper, AbortStopsAtOnceAndLeavesTheCurrentTargetAsItWas) {
  drive.writeFile("Out\\second.bin", "old");
  std::string data = RandomBytes(2 * 1024 * 1024);
  zip.OnArchiveProgress = [this](TAbUnZipper&, uint8_t percent, bool& abort) {
    progress.push_back(percent);
    abort = percent >= 50;  // in the middle of the second item
  };
  extract(BuildZip({{.name = "first.bin", .data = data},
                    {.name = "second.bin", .data = data},
                    {.name = "third.bin", .data = data}}));
  EXPECT_EQ(drive.readFile("Out\\first.bin"), data);
  EXPECT_EQ(drive.readFile("Out\\second.bin"), "old");
  EXPECT_EQ(names("Out"), (std::vector<std::string>{"first.bin", "second.bin"}));
  EXPECT_TRUE(failures.empty());
}

// An archive made by Info-ZIP zip 3.0 on Linux (TZ=UTC): "zip -r -z -n .dll"
// of a small Release folder; Readme.txt was read-only, Grüße.ini is named in
// UTF-8 without the UTF-8 flag, as zip on Unix stores names.
TEST_F(Unzipper, ReadsAnArchiveMadeByInfoZip) {
  extract(test::ReadTestData("zip\\infozip_sample.zip"));
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(zip.ZipfileComment(), "Velmar 3.4.10 sample");
  EXPECT_EQ(drive.readFile("Out\\Release\\Readme.txt"), "Velmar readme\r\nline two\r\n");
  EXPECT_EQ(drive.readFile("Out\\Release\\Data\\Grüße.ini").size(), 200u);
  // 2022-03-04 05:06:08 UTC from the extended timestamp.
  EXPECT_EQ(drive.fs().fileTimes(drive.path("Out\\Release\\Bin\\Tool.dll"))->lastWrite, 132908439680000000);
  EXPECT_NE(*drive.fs().attributes(drive.path("Out\\Release\\Readme.txt")) & attr::ReadOnly, 0u);
}

}  // namespace
}  // namespace velmar
