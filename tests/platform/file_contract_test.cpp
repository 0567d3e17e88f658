// The same expectations for every file system: that of the port this test
// program is built with (POSIX with the drive table, or Win32) and the one in
// memory that the other tests and the fuzz targets stand on.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/files/file_contents.h"
#include "platform/files/file_system.h"
#include "platform/files/places.h"
#include "support/files/folder_link.h"
#include "formats/pe_version.h"
#include "base/text_case.h"
#include "support/files/memory_file_system.h"
#include "support/pe_image.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {

namespace {

using test::TempDrive;

using List = std::vector<std::string>;

List Names(const std::vector<DirEntry>& entries) {
  List names;
  for (const DirEntry& e : entries) names.push_back(e.name);
  return names;
}

bool Write(FileSystem& fs, const std::string& path, std::string_view bytes) {
  auto file = fs.create(path);
  if (!file) return false;
  bool ok = file->write(bytes.data(), bytes.size()) == static_cast<int64_t>(bytes.size());
  return file->close() && ok;
}

// 2001-02-03 04:05:06.7 UTC and a day later.
constexpr FileTime SomeTime = 126256455067000000;
constexpr FileTime DayLater = SomeTime + 864000000000;

// Where a case works: a fresh drive of the port, or a file system in memory
// (C:\ with the Windows folder, and the CD-ROM D:\ the memory always has).
class ContractDrive {
 public:
  explicit ContractDrive(bool port) {
    if (port)
      port_ = std::make_unique<TempDrive>();
    else
      memory_.addFolder("C:\\Windows\\System32");
  }
  FileSystem& fs() { return port_ ? port_->fs() : memory_; }
  std::string root() const { return port_ ? port_->root() : "C:\\"; }
  std::string path(std::string_view relative) const { return root() + std::string(relative); }
  void writeFile(std::string_view relative, std::string_view bytes) {
    port_ ? port_->writeFile(relative, bytes) : memory_.addFile(path(relative), std::string(bytes));
  }
  void makeFolder(std::string_view relative) {
    port_ ? port_->makeFolder(relative) : memory_.addFolder(path(relative));
  }
  // A further drive of the type, or nullopt where it cannot be had.
  std::optional<std::string> addDrive(DriveType type) {
    if (port_) return port_->addDrive(type);
    return type == DriveType::CdRom ? std::optional<std::string>("D:\\") : std::nullopt;
  }
  std::optional<std::string> aliasDrive(std::string_view relative) {
    return port_ ? port_->aliasDrive(relative) : std::nullopt;
  }
  // The port's drive, for links; nullptr in memory, which has none.
  TempDrive* port() { return port_.get(); }

  std::string readFile(std::string_view relative) {
    return ReadFileContents(fs(), path(relative)).value_or("<unreadable>");
  }
  bool exists(std::string_view relative) { return fs().attributes(path(relative)).has_value(); }

 private:
  std::unique_ptr<TempDrive> port_;
  test::MemoryFileSystem memory_;
};

std::unique_ptr<test::FolderLink> Link(ContractDrive& drive, const std::string& link, const std::string& target) {
  if (!drive.port()) return nullptr;
  return std::make_unique<test::FolderLink>(*drive.port(), link, target);
}
bool Made(const std::unique_ptr<test::FolderLink>& link) { return link && link->made(); }

}  // namespace

// On the port's drive (true) or in memory.
class FileContract : public ::testing::TestWithParam<bool> {
 protected:
  ContractDrive drive{GetParam()};
  FileSystem& fs = drive.fs();
  std::string p(std::string_view relative) const { return drive.path(relative); }
  // The names find lists for a pattern below the drive's root.
  List found(std::string_view pattern) { return Names(fs.find(p(pattern))); }
  uint32_t attributes(std::string_view relative) { return fs.attributes(p(relative)).value_or(0xFFFFFFFF); }
  void set(std::string_view relative, uint32_t bits) { ASSERT_TRUE(fs.setAttributes(p(relative), bits)) << relative; }
  FileTime written(std::string_view relative) { return fs.fileTimes(p(relative)).value_or(FileTimes{}).lastWrite; }
};

INSTANTIATE_TEST_SUITE_P(Each, FileContract, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Port" : "Memory"; });

TEST_P(FileContract, NamesAreFoundWithoutRegardToCaseAndListedLikeFindFirstFile) {
  drive.writeFile("Velmar\\Setup.ini", "[Setup]");
  EXPECT_EQ(drive.readFile("VELMAR\\SETUP.INI"), "[Setup]");
  // A new name keeps the case given, inside the folder that already exists.
  ASSERT_TRUE(Write(fs, p("VELMAR\\NewFile.Txt"), "x"));
  EXPECT_EQ(found("V*"), List{"Velmar"});

  // Dots first, then names in upper-case order.
  for (const char* name : {"b.txt", "A.txt", "_x", "c.dat", "zeta"}) drive.writeFile(std::string("Sub\\") + name, "");
  drive.makeFolder("Sub\\Folder");
  const auto entries = fs.find(p("Sub\\*.*"));
  EXPECT_EQ(Names(entries), (List{".", "..", "A.txt", "b.txt", "c.dat", "Folder", "zeta", "_x"}));
  for (const DirEntry& e : entries)
    EXPECT_EQ(bool(e.attributes & attr::Folder), e.name[0] == '.' || e.name == "Folder") << e.name;
  EXPECT_EQ(found("Sub\\*"), Names(entries));

  for (const char* name : {"Velmar1.zip", "velmar2.ZIP", "Velmar.txt", "v"}) drive.writeFile(std::string("M\\") + name, "z");
  for (const auto& [pattern, names] : std::vector<std::pair<std::string, List>>{
           {"M\\Velmar*.zip", {"Velmar1.zip", "velmar2.ZIP"}}, {"M\\*.", {".", "..", "v"}},
           {"Missing\\*.*", {}}, {"Velmar\\n*", {"NewFile.Txt"}}})
    EXPECT_EQ(found(pattern), names) << pattern;
  EXPECT_EQ(fs.find(p("M\\Velmar.txt")).at(0).size, 1u);
}

TEST_P(FileContract, ReadOnlyHiddenAndSystemAreKept) {
  drive.writeFile("f.txt", "x");
  EXPECT_EQ(attributes("f.txt") & ~attr::Archive, 0u);
  for (uint32_t bits : {attr::ReadOnly, attr::Hidden | attr::System}) {
    set("f.txt", bits | attr::Archive);
    EXPECT_EQ(attributes("f.txt") & ~attr::Archive, bits);
    EXPECT_EQ(fs.find(p("f.txt")).at(0).attributes & ~attr::Archive, bits);
  }
  set("f.txt", attr::Archive);
  EXPECT_EQ(attributes("f.txt"), attr::Archive);
  drive.makeFolder("Dir");
  EXPECT_EQ(attributes("Dir") & attr::Folder, attr::Folder);
  set("Dir", attr::Hidden);
  EXPECT_EQ(attributes("Dir") & (attr::Hidden | attr::Folder), attr::Hidden | attr::Folder);
  EXPECT_FALSE(fs.setAttributes(p("missing.txt"), attr::Archive));
}

TEST_P(FileContract, TimesAreSetAndReadBack) {
  drive.writeFile("t.txt", "x");
  ASSERT_TRUE(fs.setFileTimes(p("t.txt"), {SomeTime, DayLater, SomeTime}));
  auto times = fs.fileTimes(p("t.txt"));
  ASSERT_TRUE(times);
  EXPECT_EQ(times->lastWrite, SomeTime);
  EXPECT_EQ(times->lastAccess, DayLater);
  EXPECT_NE(times->creation, 0);
  // A zero time is left as it was.
  ASSERT_TRUE(fs.setFileTimes(p("t.txt"), {0, 0, DayLater}));
  EXPECT_EQ(fs.fileTimes(p("t.txt"))->lastAccess, DayLater);
  EXPECT_EQ(written("t.txt"), DayLater);
  // A read-only file's times can be set too (copies keep their source's times).
  set("t.txt", attr::ReadOnly);
  EXPECT_TRUE(fs.setFileTimes(p("t.txt"), {0, 0, SomeTime}));
  EXPECT_EQ(written("t.txt"), SomeTime);
  EXPECT_FALSE(fs.setFileTimes(p("missing"), {0, 0, SomeTime}));
  // On a file being written: the times stay as set when it is closed.
  auto file = fs.create(p("new.txt"));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->write("abc", 3), 3);
  ASSERT_TRUE(file->setTimes({0, DayLater, SomeTime}));
  ASSERT_TRUE(file->close());
  EXPECT_EQ(written("new.txt"), SomeTime);
  EXPECT_EQ(fs.fileTimes(p("new.txt"))->lastAccess, DayLater);
}

TEST_P(FileContract, DeleteReportsWindowsErrorCodes) {
  drive.writeFile("gone.txt", "x");
  drive.writeFile("ro.txt", "x");
  set("ro.txt", attr::ReadOnly);
  drive.makeFolder("Dir");
  for (const auto& [name, code] : std::vector<std::pair<const char*, int>>{
           {"GONE.TXT", 0}, {"gone.txt", error::FileNotFound}, {"NoFolder\\gone.txt", error::PathNotFound},
           {"ro.txt", error::AccessDenied}, {"Dir", error::AccessDenied}})
    EXPECT_EQ(fs.deleteFile(p(name)), code) << name;
  EXPECT_TRUE(drive.exists("ro.txt"));
}

TEST_P(FileContract, CreateReplacesButNotAReadOnlyHiddenOrSystemFile) {
  drive.writeFile("c.txt", "long old content");
  set("c.txt", 0);
  ASSERT_TRUE(Write(fs, p("c.txt"), "new"));
  EXPECT_EQ(drive.readFile("c.txt"), "new");
  EXPECT_EQ(attributes("c.txt"), drive.port() ? attr::Archive : 0u);  // the memory keeps the old ones
  for (uint32_t bits : {attr::ReadOnly, attr::Hidden, attr::System}) {
    set("c.txt", bits);
    EXPECT_EQ(fs.create(p("c.txt")), nullptr);
    EXPECT_EQ(drive.readFile("c.txt"), "new");
  }
  drive.makeFolder("Dir");
  EXPECT_EQ(fs.create(p("NoFolder\\c.txt")), nullptr);
  EXPECT_EQ(fs.create(p("Dir")), nullptr);
}

// As Windows makes a path full: the dots and blanks at the end of a path are dropped.
TEST_P(FileContract, TrailingDotsAndBlanksOfAPathAreDropped) {
  drive.writeFile("X\\name", "content");
  EXPECT_EQ(drive.readFile("x\\NAME . ."), "content");
  EXPECT_TRUE(fs.attributes(p("X\\name.")));
}

TEST_P(FileContract, AppendWritesAtTheEndOfAWritableFile) {
  drive.writeFile("log.txt", "ab");
  auto file = fs.openAppend(p("log.txt"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->write("cd", 2), 2);
  EXPECT_EQ(file->size(), 4u);
  EXPECT_TRUE(file->close());
  EXPECT_EQ(drive.readFile("log.txt"), "abcd");
  set("log.txt", attr::ReadOnly);
  EXPECT_EQ(fs.openAppend(p("log.txt")), nullptr);
}

TEST_P(FileContract, ReadingIsSharedWithWritersAndReaders) {
  auto writer = fs.create(p("shared.txt"));
  ASSERT_TRUE(writer);
  ASSERT_EQ(writer->write("hello", 5), 5);
  auto reader = fs.openRead(p("shared.txt")), second = fs.openRead(p("shared.txt"));
  ASSERT_TRUE(reader && second);
  char buffer[16];
  EXPECT_TRUE(second->seek(3));
  EXPECT_EQ(second->read(buffer, sizeof(buffer)), 2);
  EXPECT_EQ(std::string(buffer, 2), "lo");
  EXPECT_EQ(reader->write("x", 1), -1);
  EXPECT_TRUE(reader->close() && second->close() && writer->close());
  drive.makeFolder("Dir");
  EXPECT_EQ(fs.openRead(p("Dir")), nullptr);
}

TEST_P(FileContract, ReplaceFileRenamesOverAnExistingFile) {
  drive.writeFile("new.tmp", "fresh");
  drive.writeFile("Setup.ini", "stale");
  const auto replace = [&](const char* from, const char* to) { return fs.replaceFile(p(from), p(to), Flush::Data); };
  ASSERT_TRUE(replace("new.tmp", "Setup.ini"));
  EXPECT_EQ(drive.readFile("Setup.ini"), "fresh");
  EXPECT_FALSE(drive.exists("new.tmp"));
  EXPECT_TRUE(replace("Setup.ini", "Moved.ini"));
  EXPECT_FALSE(replace("missing", "Moved.ini"));
  drive.writeFile("hidden.ini", "old");
  set("hidden.ini", attr::Hidden);
  drive.writeFile("other.tmp", "x");
  EXPECT_TRUE(replace("other.tmp", "hidden.ini"));
  EXPECT_EQ(drive.readFile("hidden.ini"), "x");
  drive.writeFile("other.tmp", "x");
  set("Moved.ini", attr::ReadOnly);
  EXPECT_FALSE(replace("other.tmp", "Moved.ini"));
  EXPECT_EQ(drive.readFile("Moved.ini"), "fresh");
}

TEST_P(FileContract, FoldersAreCreatedAndRemovedOneAtATime) {
  EXPECT_TRUE(fs.createFolder(p("A")));
  EXPECT_FALSE(fs.createFolder(p("a")));  // exists already
  EXPECT_FALSE(fs.createFolder(p("X\\Y")));
  EXPECT_TRUE(fs.createFolder(p("A\\B")));
  EXPECT_FALSE(fs.removeFolder(p("A")));  // not empty
  EXPECT_TRUE(fs.removeFolder(p("a\\b")));
  EXPECT_TRUE(fs.removeFolder(p("A")));
  EXPECT_FALSE(fs.removeFolder(p("A")));
  EXPECT_FALSE(fs.removeFolder(drive.root().substr(0, 3)));
}

TEST_P(FileContract, CurrentFolderGovernsRelativePaths) {
  drive.makeFolder("Work\\Sub");
  ASSERT_TRUE(fs.setCurrentFolder(p("Work\\Sub\\..\\Sub\\")));
  EXPECT_TRUE(SameText(fs.currentFolder(), p("Work\\Sub")));
  ASSERT_TRUE(Write(fs, "rel.txt", "r"));
  EXPECT_EQ(drive.readFile("Work\\Sub\\rel.txt"), "r");
  EXPECT_EQ(Names(fs.find("..\\Sub\\r?l.TXT")), List{"rel.txt"});
  EXPECT_FALSE(fs.setCurrentFolder(p("Work\\Sub\\rel.txt")));
  EXPECT_TRUE(SameText(fs.currentFolder(), p("Work\\Sub")));
}

TEST_P(FileContract, DriveTypesAndTheWindowsFolders) {
  EXPECT_EQ(fs.driveType(drive.root().substr(0, 3)), DriveType::Fixed);
  EXPECT_EQ(fs.driveType(p("Sub\\")), DriveType::NoRoot);
  const std::string windows = fs.windowsFolder(), system = fs.systemFolder();
  ASSERT_GE(windows.size(), 3u);
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(SameText(system.substr(0, windows.size() + 1), windows + "\\"));
  EXPECT_NE(system.back(), '\\');
  for (DriveType type : {DriveType::CdRom, DriveType::Removable, DriveType::Remote, DriveType::RamDisk}) {
    auto extra = drive.addDrive(type);
    if (!extra) continue;
    EXPECT_EQ(fs.driveType(*extra), type);
    EXPECT_TRUE(fs.find(*extra + "*.*").empty());
  }
  if (!drive.addDrive(DriveType::CdRom)) GTEST_SKIP() << "this port cannot add drives";
}

// The port's version (on Windows the system's) and the portable reader agree.
TEST_P(FileContract, FileVersionComesFromTheVersionResource) {
  drive.writeFile("64.dll", test::MakePeImage({{3, 4, 10, 65535}, true}));
  drive.writeFile("32.dll", test::MakePeImage({{5, 6, 7, 8}, false}));
  drive.writeFile("plain.txt", "MZ but nothing else");
  const auto parts = [](const std::optional<VersionNumbers>& v) {
    return v ? std::vector<int>{v->major, v->minor, v->release, v->build} : std::vector<int>{};
  };
  EXPECT_EQ(parts(fs.fileVersion(p("64.dll"))), (std::vector<int>{3, 4, 10, 65535}));
  EXPECT_EQ(parts(fs.fileVersion(p("32.dll"))), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_FALSE(fs.fileVersion(p("missing.dll")));
  for (const std::string& path : {p("64.dll"), p("plain.txt"), fs.systemFolder() + "\\kernel32.dll"}) {
    auto file = fs.openRead(path);
    EXPECT_EQ(parts(fs.fileVersion(path)), parts(file ? ReadPeFileVersion(*file) : std::nullopt)) << path;
  }
}

// Every name of one folder, the ways a user, a setting or a hostile hand may
// write it; each is the same place as "Plant\Boiler" and nothing else.
TEST_P(FileContract, EveryNameOfAPlaceIsThatPlace) {
  drive.writeFile("Plant\\Boiler\\Boiler.VPR", "[Project]");
  drive.writeFile("Plant\\Copy\\Boiler.VPR", "[Project]");
  const auto linked = Link(drive, "Linked", "Plant");
  const auto alias = drive.aliasDrive("Plant");
  std::vector<std::string> names = {"PLANT\\boiler", "Plant\\Copy\\..\\Boiler", "Plant\\Boiler\\"};
  for (std::string& name : names) name = p(name);
  if (Made(linked)) names.push_back(p("Linked\\Boiler"));
  if (alias) names.push_back(*alias + "Boiler");
  const std::string boiler = p("Plant\\Boiler"), plant = p("Plant");
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(SamePlace(fs, name, boiler));
    EXPECT_TRUE(SamePlace(fs, name + "\\Boiler.vpr", boiler + "\\Boiler.VPR"));
    EXPECT_FALSE(SamePlace(fs, name + "\\Boiler.VPR", p("Plant\\Copy\\Boiler.VPR")));
    EXPECT_TRUE(IsAtOrInside(fs, name, plant));
    EXPECT_TRUE(IsAtOrInside(fs, name + "\\Not\\Made\\Yet", boiler));
    EXPECT_TRUE(IsAtOrInside(fs, plant + "\\Boiler\\x.txt", name));
    EXPECT_FALSE(IsAtOrInside(fs, plant, name));  // above, not inside
    EXPECT_FALSE(IsAtOrInside(fs, p("Plant\\Copy"), name));
  }
  EXPECT_TRUE(SamePlace(fs, p("Plant\\Boiler."), boiler));  // a trailing dot is dropped
  EXPECT_FALSE(SamePlace(fs, boiler, p("Plant\\Copy")));
  EXPECT_FALSE(IsAtOrInside(fs, boiler, p("Missing")));
  EXPECT_TRUE(SamePlace(fs, p("New\\A"), p("new\\.\\a")));  // not made: by full name
  EXPECT_FALSE(SamePlace(fs, p("New\\A"), p("New\\B")));
  if (!Made(linked)) GTEST_SKIP() << "this port cannot make a link";
  if (!alias) GTEST_SKIP() << "this port cannot make a second drive letter";
}

// Nothing that someone else put at a name is written through: new files are
// new, appends go only into a plain file, a replace replaces a link itself.
TEST_P(FileContract, NoWriteGoesThroughANamePutThereByAnother) {
  drive.writeFile("Decoy\\secret.txt", "decoy");
  drive.writeFile("Velmar\\Install.log", "log\r\n");
  const auto atTemporary = Link(drive, "Velmar\\Velmar.ini.~tmp", "Decoy\\secret.txt");
  const auto atLog = Link(drive, "Velmar\\Link.log", "Decoy\\secret.txt");
  const auto atTarget = Link(drive, "Velmar\\Velmar.ini", "Decoy\\secret.txt");
  if (!Made(atTemporary) || !Made(atLog) || !Made(atTarget))
    GTEST_SKIP() << "this port cannot link a file: " << Made(atTemporary) << Made(atLog) << Made(atTarget);

  EXPECT_EQ(fs.createNew(p("Velmar\\Velmar.ini.~tmp")), nullptr);
  EXPECT_EQ(fs.createNew(p("Velmar\\Install.log")), nullptr);
  EXPECT_EQ(fs.openAppend(p("Velmar\\Link.log")), nullptr);
  drive.makeFolder("Velmar\\Folder");
  EXPECT_EQ(fs.openAppend(p("Velmar\\Folder")), nullptr);

  // Two writers appending by turns both keep their lines.
  auto first = fs.openAppend(p("Velmar\\Install.log")), second = fs.openAppend(p("Velmar\\Install.log"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->write("one\r\n", 5), 5);
  EXPECT_EQ(second->write("two\r\n", 5), 5);
  EXPECT_EQ(first->write("three\r\n", 7), 7);
  EXPECT_TRUE(first->close() && second->close());
  EXPECT_EQ(drive.readFile("Velmar\\Install.log"), "log\r\none\r\ntwo\r\nthree\r\n");

  auto made = fs.createNew(p("Velmar\\new.~tmp"));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->write("[Config]", 8), 8);
  EXPECT_TRUE(made->close());
  ASSERT_TRUE(fs.replaceFile(p("Velmar\\new.~tmp"), p("Velmar\\Velmar.ini"), Flush::Data));
  EXPECT_EQ(drive.readFile("Velmar\\Velmar.ini"), "[Config]");
  EXPECT_FALSE(attributes("Velmar\\Velmar.ini") & attr::ReparsePoint);
  EXPECT_EQ(drive.readFile("Decoy\\secret.txt"), "decoy");
}

// A folder's lock keeps a second one, taken by another of its names, waiting
// until the first is dropped.
TEST_P(FileContract, AFolderLockIsOneLockUnderEveryName) {
  drive.makeFolder("Velmar");
  EXPECT_EQ(fs.lockFolder(p("Missing")), nullptr);
  auto held = fs.lockFolder(p("Velmar"));
  ASSERT_NE(held, nullptr);
  if (!drive.port()) GTEST_SKIP() << "one program alone uses the memory";
  std::atomic<bool> taken = false;
  std::thread other([&] { taken = fs.lockFolder(p("VELMAR\\.\\")) != nullptr; });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(taken);
  held.reset();
  other.join();
  EXPECT_TRUE(taken);
}

}  // namespace velmar::platform
