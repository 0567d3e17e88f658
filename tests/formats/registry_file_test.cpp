#include "formats/registry_file.h"

#include <gtest/gtest.h>

#include "support/fixture/shell_ports.h"

namespace velmar::platform {

namespace {
constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Kravo\\Velmar";
}

TEST(RegistryFile, RefusesWhatItCannotHoldAndReadsAnsiFiles) {
  RegistryFile file = *RegistryFile::Parse("REGEDIT4\r\n");
  EXPECT_FALSE(file.WriteString("HKEY_CURRENT_USER\\Bad\nKey", "x", "y"));
  EXPECT_FALSE(file.WriteString("HKEY_CURRENT_USER\\A\\\\B", "x", "y"));
  EXPECT_FALSE(file.WriteString(Key, "bad\rname", "y"));
  EXPECT_FALSE(RegistryFile::Parse("[HKEY_CURRENT_USER\\X]\r\n\"a\"=\"b\"\r\n"));  // no header
  EXPECT_FALSE(RegistryFile::Parse(""));
  // A hand-made file in code page 1252 rather than UTF-8.
  const auto ansi = RegistryFile::Parse("REGEDIT4\r\n[" + std::string(Key) + "]\r\n\"Ort\"=\"M\xFCnchen\"\r\n");
  EXPECT_EQ(ansi.value().ReadString(Key, "Ort"), "München");
}

}  // namespace velmar::platform
