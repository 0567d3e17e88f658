#include "custom/driver_port.h"

#include <gtest/gtest.h>

#include "base/file_types.h"
#include "platform/serial_ports.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::Script;

// A driver file: the marker, the header text, the port text at `at` and its
// digit one byte further on, and binary bytes after it.
std::string Driver(char digit, size_t at = 60, std::string_view header = "THalvikForm") {
  std::string bytes = "\x01\x02Vel_Driver\x00\x10" + std::string(header);
  bytes.resize(at, '\0');
  return bytes + "ComPortNum[\x05" + digit + std::string("]\x00\xff\x7f tail", 10);
}

struct PatchRun {
  explicit PatchRun(Script script = {}) : host(std::move(script)) {
    t.session.VelmarPath = t.drive.path("Velmar");
    t.drive.makeFolder("Velmar");
  }
  DriverPatch Patch(const std::string& bytes, int port, bool readOnly = false) {
    t.drive.writeFile("P\\a.vdr", bytes);
    if (readOnly) t.drive.fs().setAttributes(t.drive.path("P\\a.vdr"), attr::ReadOnly);
    DriverPatch result = DriverPatch::Written;
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

// Only the digit of a chosen port is written; other files are passed over
// without a word; a driver without a usable port digit, or read-only, is
// left as it was and reported.
TEST(PatchDriverPort, WritesOnlyTheDigitOfAChosenPort) {
  std::string strayC = Driver('1', 70);
  strayC[55] = 'C';  // a "C" before the real text ends the search
  struct Case {
    std::string bytes;
    int port;
    DriverPatch result;
    char digitAfter;  // 0: the file as it was
    bool readOnly = false;
  } cases[] = {
      {Driver('1'), 3, DriverPatch::Written, '3'},
      {Driver('8', 109), 4, DriverPatch::Written, '4'},  // the text ends at offset 120
      {Driver('3'), 3, DriverPatch::AlreadySet, '3'},
      {Driver('2'), 0, DriverPatch::KeptPort, '2'},  // no port chosen: the digit stays, whatever it is
      {Driver('1', 60, "OtherForm"), 2, DriverPatch::NotADriver, 0},
      {"short", 2, DriverPatch::NotADriver, 0},
      {strayC, 2, DriverPatch::Failed, 0},
      {Driver('9'), 2, DriverPatch::Failed, 0},
      {Driver('1', 111), 2, DriverPatch::Failed, 0},  // the text would end beyond offset 120
      {Driver('1'), 2, DriverPatch::Failed, 0, true},
  };
  for (const Case& c : cases) {
    PatchRun run(c.result == DriverPatch::Failed ? Script().Answer("Could not patch driver", ui::Answer::Ok) : Script());
    EXPECT_EQ(run.Patch(c.bytes, c.port, c.readOnly), c.result) << c.port;
    ASSERT_EQ(run.outcome, Outcome::Finished) << run.host.EndMessage();
    std::string expected = c.bytes;
    if (c.digitAfter) expected[expected.find("ComPortNum[") + 12] = c.digitAfter;
    EXPECT_EQ(run.File(), expected);
    if (c.result == DriverPatch::Failed) {
      EXPECT_TRUE(test::Contains(run.t.drive.readFile("Velmar\\Install.log"), "ERROR: Could not patch driver ! " + run.t.drive.path("P\\a.vdr")));
    }
  }
}

TEST(CanOpenSerialPort, OnlyPortsOneToFourAreAsked) {
  EXPECT_FALSE(platform::CanOpenSerialPort(0));
  EXPECT_FALSE(platform::CanOpenSerialPort(5));
}

}  // namespace
}  // namespace velmar
