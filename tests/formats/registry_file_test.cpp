#include "formats/registry_file.h"

#include <gtest/gtest.h>

#include "support/fixture/shell_ports.h"

namespace velmar::platform {

namespace {
constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Kravo\\Velmar";
}

// Read back, the values of any text are the fuzz target's; here how one is
// written, how keys compare, and that a delete stays inside its root.
TEST(RegistryFile, KeysIgnoreCaseKeepTheirFirstSpellingAndStayInTheirRoot) {
  RegistryFile file = *RegistryFile::Parse("REGEDIT4\r\n");
  ASSERT_TRUE(file.WriteString(Key, "v0", "C:\\Velmar\\"));
  EXPECT_NE(file.Serialize().find("\"v0\"=\"C:\\\\Velmar\\\\\"\r\n"), std::string::npos);
  file.WriteString("HKEY_CURRENT_USER\\SOFTWARE\\KRAVO\\VELMAR", "V0", "2");
  file.CreateKey("HKEY_CURRENT_USER\\Software\\Kravo\\Änderung");
  file.CreateKey("HKEY_CURRENT_USER\\Software\\kravo\\änderung\\Sub");
  EXPECT_EQ(file.SubkeyNames("HKEY_CURRENT_USER\\software\\KRAVO"), (std::vector<std::string>{"Velmar", "Änderung"}));
  EXPECT_EQ(file.SubkeyNames("HKEY_CURRENT_USER"), (std::vector<std::string>{"Software"}));  // a parent of keys
  EXPECT_NE(file.Serialize().find("[HKEY_CURRENT_USER\\Software\\Kravo\\Velmar]\r\n\"v0\"=\"2\""), std::string::npos);
  file.WriteString("HKEY_LOCAL_MACHINE\\Software\\Kravo\\Velmar", "a", "1");
  EXPECT_TRUE(file.DeleteKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\kravo"));
  EXPECT_FALSE(file.KeyExists("HKEY_LOCAL_MACHINE\\Software\\Kravo\\Velmar"));
  EXPECT_EQ(file.ReadString(Key, "v0"), "2");
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
