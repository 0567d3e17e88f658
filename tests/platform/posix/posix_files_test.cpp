// What only the POSIX port has: the drive table, the host side of names and
// the on-disk form of the attributes that Wine and Samba share.

#include "platform/posix/files/posix_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>

#include "platform/files/host_files.h"
#include "support/files/temp_drive.h"

namespace velmar::platform {

namespace {

std::string RawDosAttrib(const std::string& host) {
  char data[64];
  ssize_t length = ::getxattr(host.c_str(), "user.DOSATTRIB", data, sizeof(data));
  return length < 0 ? "<none>" : std::string(data, static_cast<size_t>(length));
}

void SetRawDosAttrib(const std::string& host, std::string_view value) {
  ASSERT_EQ(::setxattr(host.c_str(), "user.DOSATTRIB", value.data(), value.size(), 0), 0);
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

class PosixFiles : public ::testing::Test {
 protected:
  test::TempDrive drive;
  FileSystem& fs = drive.fs();
  std::string host(const std::string& relative) { return drive.hostRoot() + relative; }
};

TEST_F(PosixFiles, AttributesAreStoredAsWineAndSambaKeepThem) {
  drive.writeFile("f.txt", "x");
  EXPECT_EQ(RawDosAttrib(host("f.txt")), "<none>");
  ASSERT_TRUE(fs.setAttributes(drive.path("f.txt"), attr::Hidden | attr::System | attr::Archive));
  EXPECT_EQ(RawDosAttrib(host("f.txt")), "0x26");
  ASSERT_TRUE(fs.setAttributes(drive.path("f.txt"), attr::Archive));
  EXPECT_EQ(RawDosAttrib(host("f.txt")), "<none>");  // the default, as Wine leaves it
  ASSERT_TRUE(fs.setAttributes(drive.path("f.txt"), attr::ReadOnly));
  struct stat st;
  ASSERT_EQ(::stat(host("f.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0222, 0u);
  EXPECT_EQ(RawDosAttrib(host("f.txt")), "0x0");

  SetRawDosAttrib(host("f.txt"), std::string_view("0x24\0\3\0\0\0\x11\x22", 11));  // Samba's newer form
  EXPECT_EQ(fs.attributes(drive.path("f.txt")), attr::System | attr::Archive | attr::ReadOnly);
  SetRawDosAttrib(host("f.txt"), "garbage");
  EXPECT_EQ(fs.attributes(drive.path("f.txt")), attr::Archive | attr::ReadOnly);
  ::chmod(host("f.txt").c_str(), 0644);  // made writable by a host tool
  EXPECT_EQ(fs.attributes(drive.path("f.txt")), attr::Archive);
}

// Windows runs a program by its name: a new .exe may run here too.
TEST_F(PosixFiles, NewProgramFilesMayRun) {
  for (const char* name : {"OLD.COM", "exe"}) drive.writeFile(name, "x");
  EXPECT_EQ(::access(host("OLD.COM").c_str(), X_OK), 0);
  EXPECT_NE(::access(host("exe").c_str(), X_OK), 0);
  // Written under a temporary name, then put in place over an old copy or not.
  drive.writeFile("Old.exe", "old");
  ::chmod(host("Old.exe").c_str(), 0644);
  for (const char* name : {"Old.exe", "New.exe"}) {
    drive.writeFile("part~", "new");
    ASSERT_TRUE(fs.replaceFile(drive.path("part~"), drive.path(name), platform::Flush::None));
    struct stat st {};
    ASSERT_EQ(::stat(host(name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0111, 0111) << name;
  }
}

TEST_F(PosixFiles, NamesKeepTheirHostCaseAndNewOnesTheCaseGiven) {
  drive.writeFile("Velmar\\Setup.ini", "");
  EXPECT_EQ(static_cast<PosixFileSystem&>(fs).hostPath("t:\\VELMAR\\NEW\\x.TXT"), host("Velmar/NEW/x.TXT"));
  // Two host names differing only in case: the exact one wins, else the first.
  std::ofstream(host("Velmar/setup.ini")) << "lower";
  EXPECT_EQ(drive.readFile("Velmar\\setup.ini"), "lower");
  EXPECT_EQ(drive.readFile("Velmar\\Setup.ini"), "");
  EXPECT_EQ(drive.readFile("Velmar\\SETUP.INI"), "");
}

TEST_F(PosixFiles, UnmappedAndMissingDrives) {
  EXPECT_EQ(fs.driveType("Q:\\"), DriveType::NoRoot);
  EXPECT_EQ(fs.deleteFile("Q:\\x"), error::PathNotFound);
  auto& posix = static_cast<PosixFileSystem&>(fs);
  posix.drives().map('Q', drive.hostRoot() + "no-such-folder", DriveType::Removable);
  EXPECT_EQ(fs.driveType("Q:\\"), DriveType::NoRoot);
  EXPECT_EQ(fs.deleteFile("T:\\bad|name"), 123);  // ERROR_INVALID_NAME
}

TEST_F(PosixFiles, CreationTimeComesFromTheBirthTime) {
  drive.writeFile("c.txt", "");
  auto times = fs.fileTimes(drive.path("c.txt"));
  ASSERT_TRUE(times);
  // Setting times leaves the birth time alone (POSIX cannot set it).
  ASSERT_TRUE(fs.setFileTimes(drive.path("c.txt"), {1, 126256455067000000, 126256455067000000}));
  EXPECT_EQ(fs.fileTimes(drive.path("c.txt"))->creation, times->creation);
  EXPECT_GT(times->creation, 126256455067000000);
}

TEST(HostFiles, DrivesComeFromTheEnvironment) {
  test::TempDrive drive;  // only for a host folder
  std::string media = drive.hostRoot() + "media";
  std::filesystem::create_directories(media + "/Velmar");
  ScopedEnv env("VELMAR_DRIVES", ("D=" + media + ":cdrom").c_str());
  auto fs = MakeHostFileSystem();
  EXPECT_EQ(fs->driveType("D:\\"), DriveType::CdRom);
  EXPECT_TRUE(fs->attributes("d:\\velmar").value_or(0) & attr::Folder);
  EXPECT_EQ(HostPathToWindows(media + "/./Velmar/../Velmar/"), "D:\\Velmar");
  EXPECT_EQ(HostPathToWindows("/usr/bin"), "Z:\\usr\\bin");
  std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(HostPathToWindows("rel.txt"), HostPathToWindows(cwd + "/rel.txt"));
  ScopedEnv bad("VELMAR_DRIVES", "C=/srv/c:floppy");
  EXPECT_THROW(MakeHostFileSystem(), std::exception);
}

}  // namespace velmar::platform
