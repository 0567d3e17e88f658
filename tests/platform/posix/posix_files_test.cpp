// What only the POSIX port has: the host side of names and the on-disk form
// of the attributes that Wine and Samba share.

#include "platform/posix/files/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <fstream>

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

TEST_F(PosixFiles, NamesKeepTheirHostCaseAndNewOnesTheCaseGiven) {
  drive.writeFile("Velmar\\Setup.ini", "");
  EXPECT_EQ(static_cast<PosixFileSystem&>(fs).hostPath("t:\\VELMAR\\NEW\\x.TXT"), host("Velmar/NEW/x.TXT"));
  // Two host names differing only in case: the exact one wins, else the first.
  std::ofstream(host("Velmar/setup.ini")) << "lower";
  EXPECT_EQ(drive.readFile("Velmar\\setup.ini"), "lower");
  EXPECT_EQ(drive.readFile("Velmar\\Setup.ini"), "");
  EXPECT_EQ(drive.readFile("Velmar\\SETUP.INI"), "");
}

}  // namespace velmar::platform
