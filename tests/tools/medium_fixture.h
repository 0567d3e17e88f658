#pragma once
// The medium the tests of the medium check start from.

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "common/medium_check.h"
#include "common/sample_medium.h"
#include "formats/pe_checksum.h"
#include "support/pe_image.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace medcheck {
inline void PrintTo(const Finding& finding, std::ostream* out) { *out << FormatFinding(finding); }
}  // namespace medcheck

namespace test {

inline std::string ReadHost(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string Driver(std::string_view header = "THalvikForm", std::string_view port = "ComPortNum[", char digit = '2') {
  std::string bytes = std::string("\x01\x02Vel_Driver", 12) + std::string(header);
  bytes.resize(60, '\0');
  return bytes + std::string(port) + '\x05' + digit + std::string("]\0 tail", 7);
}

// The sample medium in the folder Medium\ of a temporary drive, and on it one custom install with a project and a
// driver file, as a medium maker would add it.
class Medium {
 public:
  Medium() {
    auto setup = test::MakePeImageBytes();
    StampPeChecksum(setup);
    drive.writeFile("setup.bin", std::string(setup.begin(), setup.end()));
    drive.writeFile("standin.bin", "standin");
    MakeSampleMedium(drive.hostRoot() + "Medium", drive.hostRoot() + "setup.bin", drive.hostRoot() + "standin.bin",
                     std::string(VELMAR_SOURCE_DIR) + "/src/resources/lang");
    Write("Custom\\Custom.ini",
          "[CustomInstalls]\r\n1=Line1\r\n[Line1]\r\nType=Brenta\r\nFolder=Line1\r\nTitle44=Line 1\r\n"
          "Title49=Linie 1\r\n");
    Write("Custom\\Line1\\Line1.VPR", "[Project]\r\nProjectName=Line 1\r\n");
    Write("Custom\\Line1\\Pump.vdr", Driver());
  }

  std::string Path(std::string_view relative) const { return drive.path("Medium\\" + std::string(relative)); }
  void Write(std::string_view relative, std::string_view bytes) { drive.writeFile("Medium\\" + std::string(relative), bytes); }
  std::string Read(std::string_view relative) { return drive.readFile("Medium\\" + std::string(relative)); }
  void Delete(std::string_view relative) { ASSERT_EQ(drive.fs().deleteFile(Path(relative)), 0); }
  void Replace(std::string_view relative, const std::string& from, const std::string& to) {
    std::string text = Read(relative);
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    Write(relative, text.replace(at, from.size(), to));
  }
  std::vector<medcheck::Finding> Check() {
    return medcheck::CheckMedium(drive.fs(), drive.path("Medium\\")).findings;
  }

  test::TempDrive drive;
};

}  // namespace test
}  // namespace velmar
