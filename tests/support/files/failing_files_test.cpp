#include "support/files/failing_files.h"

#include <gtest/gtest.h>

#include "support/files/temp_drive.h"

namespace velmar::test {

class FailingFilesTest : public ::testing::Test {
 protected:
  TempDrive drive;
  FailingFiles files{drive.fs()};
};

// The nth call counted from the rule, on paths holding a text, once or from
// then on; a failing delete returns the rule's error.
TEST_F(FailingFilesTest, RulesFailTheNthMatchingCall) {
  drive.writeFile("a.txt", "abc");
  files.openRead(drive.path("a.txt"));  // before the rule: not counted by it
  files.failAt(FileOp::OpenRead, 2);
  EXPECT_NE(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_EQ(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_NE(files.openRead(drive.path("a.txt")), nullptr);
  EXPECT_EQ(files.calls(FileOp::OpenRead), 4);
  EXPECT_EQ(files.failures(), 1);

  files.addFault({.op = FileOp::Create, .persistent = true, .pathContains = "setup.INI"});
  EXPECT_EQ(files.create(drive.path("Setup.ini")), nullptr);
  EXPECT_EQ(files.create(drive.path("Install\\Setup.ini")), nullptr);
  ASSERT_NE(files.create(drive.path("Other.ini")), nullptr);
  files.addFault({.op = FileOp::Delete, .errorCode = platform::error::SharingViolation});
  EXPECT_EQ(files.deleteFile(drive.path("Other.ini")), platform::error::SharingViolation);
  EXPECT_EQ(files.deleteFile(drive.path("Other.ini")), 0);
  files.clearFaults();
  EXPECT_NE(files.create(drive.path("Setup.ini")), nullptr);
}

// Open files fail reads, writes (short, as on a full disk) and closes; Any
// fails the nth call of whatever kind, and the calls are kept in order.
TEST_F(FailingFilesTest, OpenFilesFailAndAnyCallIsCounted) {
  files.recordCalls(true);
  files.addFault({.op = FileOp::Any, .nth = 3, .shortWrite = true});
  files.failAt(FileOp::Write, 3);
  files.failAt(FileOp::Close, 1);
  auto file = files.create(drive.path("w.bin"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->write("1234", 4), 4);
  EXPECT_EQ(file->write("5678", 4), 2);  // call 3: short
  EXPECT_EQ(file->write("9", 1), -1);
  EXPECT_FALSE(file->close());  // reported as failed, but closed
  EXPECT_EQ(drive.readFile("w.bin"), "123456");
  ASSERT_EQ(files.recordedCalls().size(), 5u);
  EXPECT_EQ(files.recordedCalls()[2].op, FileOp::Write);
  EXPECT_EQ(files.recordedCalls()[2].path, drive.path("w.bin"));
  EXPECT_EQ(files.calls(FileOp::Any), 5);

  files.failAt(FileOp::Read, 2);
  auto reader = files.openRead(drive.path("w.bin"));
  char buffer[4];
  EXPECT_EQ(reader->read(buffer, 4), 4);
  EXPECT_EQ(reader->read(buffer, 4), -1);
  EXPECT_EQ(reader->read(buffer, 4), 2);
  EXPECT_TRUE(reader->close());
}

}  // namespace velmar::test
