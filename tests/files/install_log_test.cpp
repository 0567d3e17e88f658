#include "files/install_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

constexpr const char* Header = "VELMAR Installation log:\r\n";
constexpr const char* Separator = "- - - - - - - - - - - - - - - - - - - - - \r\n\r\n";

struct Log {
  explicit Log(CodePage page = CodePage::Cp1252) : log(drive.fs(), page, [this] { return now; }) {}
  test::TempDrive drive;
  LocalDateTime now{2026, 12, 5, 11, 24, 29};
  InstallLog log;
  std::string Read(const std::string& relative) { return drive.readFile(relative); }
};

constexpr const char* At = "05/12/2026 11:24:29 : ";

// The first entry with a folder fixes the place: it makes the folder and the
// log with its header; an existing log grows at its end.
TEST(InstallLog, TheFirstEntryWithAFolderFixesThePlaceAndWritesTheHeader) {
  Log t;
  const std::string folder = t.drive.path("Plant\\Velmar");
  t.log.LogLine("", "lost: no folder yet");
  EXPECT_EQ(t.log.Path(), "");
  t.log.LogLine(folder, "Software licence accepted by user");
  t.now.second = 30;
  t.log.LogLine(t.drive.path("Second"), "");
  t.log.LogLine("", "-");
  t.log.LogLine(folder, "Größe");
  EXPECT_EQ(t.log.Path(), folder + "\\Install.log");
  EXPECT_EQ(t.Read("Plant\\Velmar\\Install.log"), std::string(Header) + At + "Software licence accepted by user\r\n" +
                                                      "\r\n" + Separator + "05/12/2026 11:24:30 : Gr\xF6\xDF" "e\r\n");
  EXPECT_FALSE(t.drive.exists("Second"));

  Log existing;
  existing.drive.writeFile("Velmar\\Install.log", "VELMAR Installation log:\r\nold entry\r\n");
  existing.log.LogLine(existing.drive.path("Velmar\\"), "Start Velmar install :");
  EXPECT_EQ(existing.Read("Velmar\\Install.log"),
            std::string(Header) + "old entry\r\n" + At + "Start Velmar install :\r\n");
}

TEST(InstallLog, IsWrittenInTheSystemsCodePage) {
  Log polish(CodePage::Cp1250);
  polish.log.LogLine(polish.drive.path("Velmar"), "Folder D:\\Zakład");
  EXPECT_EQ(polish.Read("Velmar\\Install.log"), std::string(Header) + At + "Folder D:\\Zak\xB3" "ad\r\n");
  // A code page that cannot be converted loses an entry beyond ASCII only.
  Log japanese(CodePage{932});
  japanese.log.LogLine(japanese.drive.path("Velmar"), "Folder D:\\Zakład");
  japanese.log.LogLine(japanese.drive.path("Velmar"), "Folder D:\\Plant");
  EXPECT_EQ(japanese.Read("Velmar\\Install.log"), std::string(Header) + At + "Folder D:\\Plant\r\n");
}

TEST(InstallLog, EntriesThatCannotBeWrittenAreLostWithoutAWord) {
  Log t;  // a write that fails in the middle, then one that works again
  test::FailingFiles files(t.drive.fs());
  InstallLog log(files, CodePage::Cp1252, [&] { return t.now; });
  files.failAt(test::FileOp::Write, 1);
  log.LogLine(t.drive.path("Velmar"), "lost");
  log.LogLine(t.drive.path("Velmar"), "kept");
  EXPECT_NE(t.Read("Velmar\\Install.log").find("kept\r\n"), std::string::npos);
}

// Another installer's entry, tried while this one has made the log but not
// yet written its header: it waits, so neither overwrites the other.
class SecondInstallerWhileCreating : public test::FailingFiles {
 public:
  using FailingFiles::FailingFiles;
  std::function<void()> onCreated;
  std::unique_ptr<platform::OpenFile> createNew(const std::string& path) override {
    auto file = FailingFiles::createNew(path);
    if (file && onCreated) onCreated();
    return file;
  }
};

TEST(InstallLog, TwoInstallersStartingOneLogKeepEachOthersEntries) {
  Log t;
  const std::string folder = t.drive.path("Velmar");
  SecondInstallerWhileCreating files(t.drive.fs());
  InstallLog first(files, CodePage::Cp1252, [&] { return t.now; });
  std::future<void> second;
  files.onCreated = [&] {
    second = std::async(std::launch::async, [&] {
      InstallLog other(t.drive.fs(), CodePage::Cp1252, [&] { return t.now; });
      other.LogLine(folder, "second installer");
    });
    second.wait_for(std::chrono::milliseconds(300));
  };
  first.LogLine(folder, "first installer");
  second.get();
  EXPECT_EQ(t.Read("Velmar\\Install.log"),
            std::string(Header) + At + "first installer\r\n" + At + "second installer\r\n");
}

}  // namespace
}  // namespace velmar
