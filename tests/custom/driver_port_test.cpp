#include "custom/driver_port.h"

#include <gtest/gtest.h>

#include "base/file_types.h"
#include "platform/serial_ports.h"
#include "support/installer_test_context.h"
#include "ui/script/script_host.h"

#ifndef _WIN32
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;

// A driver file: the marker, the header text, the port text at `at` and its
// digit one byte further on, and binary bytes after it.
std::string Driver(char digit, size_t at = 60, std::string_view header = "THalvikForm") {
  std::string bytes = "\x01\x02Vel_Driver\x00\x10" + std::string(header);
  bytes.resize(at, '\0');
  bytes += "ComPortNum[";
  bytes += '\x05';
  bytes += digit;
  bytes += std::string("]\x00\xff\x7f tail", 10);
  return bytes;
}

struct PatchRun {
  explicit PatchRun(Script script = {}) : host(std::move(script)) {
    t.session.VelmarPath = t.drive.path("Velmar");
    t.drive.makeFolder("Velmar");
  }
  DriverPatch Patch(const std::string& bytes, int port) {
    t.drive.writeFile("P\\a.vdr", bytes);
    DriverPatch result = DriverPatch::Failed;
    outcome = host.Run([&] {
      result = PatchDriverPort(t.app, t.drive.path("P\\a.vdr"), "THalvikForm", port);
      return Outcome::Finished;
    });
    return result;
  }
  std::string File() { return t.drive.readFile("P\\a.vdr"); }
  ui::script::ScriptHost host;
  test::InstallerTestContext t{host};
  Outcome outcome = Outcome::Failed;
};

TEST(PatchDriverPort, WritesOnlyTheDigitOfAChosenPort) {
  struct Case {
    std::string bytes;
    int port;
    DriverPatch result;
    char digitAfter;
  } cases[] = {
      {Driver('1'), 3, DriverPatch::Written, '3'},
      {Driver('8', 109), 4, DriverPatch::Written, '4'},  // the text ends at offset 120
      {Driver('3'), 3, DriverPatch::AlreadySet, '3'},
      // No port chosen: the digit stays, whatever it is.
      {Driver('2'), 0, DriverPatch::KeptPort, '2'},
  };
  for (const Case& c : cases) {
    PatchRun run;
    EXPECT_EQ(run.Patch(c.bytes, c.port), c.result) << c.port;
    ASSERT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    std::string expected = c.bytes;
    expected[expected.find("ComPortNum[") + 12] = c.digitAfter;
    EXPECT_EQ(run.File(), expected);
  }
}

TEST(PatchDriverPort, PassesOverOtherFilesWithoutAWord) {
  for (const std::string& bytes : {Driver('1', 60, "OtherForm"), std::string("short"), std::string()}) {
    PatchRun run;
    EXPECT_EQ(run.Patch(bytes, 2), DriverPatch::NotADriver);
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    EXPECT_EQ(run.File(), bytes);
  }
}

TEST(PatchDriverPort, AFileWithoutAUsablePortDigitIsLeftAndReported) {
  std::string strayC = Driver('1', 70);
  strayC[55] = 'C';  // a "C" before the real text ends the search
  std::string noDigit = Driver('9');
  std::string tooFar = Driver('1', 111);  // the text would end beyond offset 120
  for (const std::string& bytes : {strayC, noDigit, tooFar}) {
    PatchRun run(Script().Answer("Could not patch driver", ui::Answer::Ok));
    EXPECT_EQ(run.Patch(bytes, 2), DriverPatch::Failed);
    EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    EXPECT_EQ(run.File(), bytes);
  }
}

TEST(PatchDriverPort, AReadOnlyFileKeepsItsContents) {
  PatchRun run(Script().Answer("Could not patch driver", ui::Answer::Ok));
  run.t.drive.writeFile("P\\a.vdr", Driver('1'));
  const std::string path = run.t.drive.path("P\\a.vdr");
  ASSERT_TRUE(run.t.drive.fs().setAttributes(path, attr::ReadOnly));
  DriverPatch result = DriverPatch::Written;
  run.outcome = run.host.Run([&] {
    result = PatchDriverPort(run.t.app, path, "THalvikForm", 2);
    return Outcome::Finished;
  });
  EXPECT_EQ(result, DriverPatch::Failed);
  EXPECT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
  EXPECT_EQ(run.File(), Driver('1'));
  EXPECT_NE(run.t.drive.readFile("Velmar\\Install.log").find("ERROR: Could not patch driver ! " + path),
            std::string::npos);
}

TEST(CanOpenSerialPort, OnlyPortsOneToFourAreAsked) {
  EXPECT_FALSE(platform::CanOpenSerialPort(0));
  EXPECT_FALSE(platform::CanOpenSerialPort(5));
}

#ifndef _WIN32
TEST(CanOpenSerialPort, APortIsTheTerminalItsVariableNames) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string terminal = ptsname(master);
  setenv("VELMAR_COM2", terminal.c_str(), 1);
  setenv("VELMAR_COM3", "/nonexistent/tty", 1);
  setenv("VELMAR_COM4", "/dev/null", 1);  // opens, but is no terminal
  unsetenv("VELMAR_COM1");
  EXPECT_FALSE(platform::CanOpenSerialPort(1));
  EXPECT_TRUE(platform::CanOpenSerialPort(2));
  EXPECT_FALSE(platform::CanOpenSerialPort(3));
  EXPECT_FALSE(platform::CanOpenSerialPort(4));
  for (const char* name : {"VELMAR_COM2", "VELMAR_COM3", "VELMAR_COM4"}) unsetenv(name);
  close(master);
}
#endif

}  // namespace
}  // namespace velmar
