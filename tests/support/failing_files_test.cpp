#include "support/failing_files.h"

#include <gtest/gtest.h>

#include "support/temp_drive.h"

namespace velmar::test {

class FailingFilesTest : public ::testing::Test {
 protected:
  TempDrive drive;
  FailingFiles files{drive.fs()};
};

TEST_F(FailingFilesTest, FailsExactlyTheNthCallCountedFromTheRule) {
  drive.writeFile("a.txt", "abc");
  files.openRead(drive.path("a.txt"));  // before the rule: not counted by it
  files.failAt(FileOp::OpenRead, 2);
  EXPECT_NE(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_EQ(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_NE(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_EQ(files.calls(FileOp::OpenRead), 4);
  EXPECT_EQ(files.failures(), 1);
}

TEST_F(FailingFilesTest, PathFilterAndPersistence) {
  files.addFault({.op = FileOp::Create, .persistent = true, .pathContains = "setup.INI"});
  EXPECT_EQ(files.create(drive.path("Setup.ini")), nullptr);
  EXPECT_EQ(files.create(drive.path("Install\\Setup.ini")), nullptr);
  auto other = files.create(drive.path("Other.ini"));
  ASSERT_NE(other, nullptr);
  other->close();
  files.addFault({.op = FileOp::Delete, .errorCode = platform::error::SharingViolation});
  EXPECT_EQ(files.deleteFile(drive.path("Other.ini")), platform::error::SharingViolation);
  EXPECT_EQ(files.deleteFile(drive.path("Other.ini")), 0);
  files.clearFaults();
  EXPECT_NE(files.create(drive.path("Setup.ini")), nullptr);
}

TEST_F(FailingFilesTest, OpenFilesFailReadsWritesAndCloses) {
  files.addFault({.op = FileOp::Write, .nth = 2, .shortWrite = true});
  files.failAt(FileOp::Write, 3);
  files.failAt(FileOp::Close, 1);
  auto file = files.create(drive.path("w.bin"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->write("1234", 4), 4);
  EXPECT_EQ(file->write("5678", 4), 2);  // disk full
  EXPECT_EQ(file->write("9", 1), -1);
  EXPECT_FALSE(file->close());  // reported as failed, but closed
  EXPECT_EQ(drive.readFile("w.bin"), "123456");

  files.failAt(FileOp::Read, 2);
  auto reader = files.openRead(drive.path("w.bin"));
  char buffer[4];
  EXPECT_EQ(reader->read(buffer, 4), 4);
  EXPECT_EQ(reader->read(buffer, 4), -1);
  EXPECT_EQ(reader->read(buffer, 4), 2);
  EXPECT_TRUE(reader->close());
}

// Any fails the nth call of whatever kind; a write so failed can be short.
TEST_F(FailingFilesTest, AnyKindFailsTheNthCallOfTheServiceAndCallsAreKept) {
  drive.writeFile("a.txt", "abc");
  files.recordCalls(true);
  files.addFault({.op = FileOp::Any, .nth = 3, .shortWrite = true});
  EXPECT_TRUE(files.attributes(drive.path("a.txt")));
  auto out = files.create(drive.path("b.txt"));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->write("1234", 4), 2);
  EXPECT_TRUE(out->close());
  EXPECT_EQ(files.calls(FileOp::Any), 4);
  ASSERT_EQ(files.recordedCalls().size(), 4u);
  EXPECT_EQ(files.recordedCalls()[2].op, FileOp::Write);
  EXPECT_EQ(files.recordedCalls()[2].path, drive.path("b.txt"));
  EXPECT_EQ(drive.readFile("b.txt"), "12");
}

}  // namespace velmar::test
