#include "formats/registry_file.h"

#include <gtest/gtest.h>

#include "support/fixture/shell_ports.h"

namespace velmar::platform {

namespace {
constexpr const char* Key = "HKEY_CURRENT_USER\\Software\\Kravo\\Velmar";
}

TEST(RegistryFile, ReadsWhatRegeditWrites) {
  const auto file = RegistryFile::Parse(
      "\xEF\xBB\xBFREGEDIT4\r\n"
      "\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Kravo\\Velmar]\r\n"
      "@=\"default\"\r\n"
      "\"Path\"=\"C:\\\\Velmar\\\\\"\r\n"
      "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
      "\"Count\"=dword:00000010\r\n"
      "\"Multi\"=hex(1):61,00,\\\r\n"
      "  62,00\r\n"
      "\"Expand\"=hex(2):25,77,69,6e,64,69,72,25,00\r\n"
      "\r\n"
      "[-HKEY_CURRENT_USER\\Software\\Gone]\r\n"
      "\"x\"=\"y\"\r\n"
      "[HKEY_CLASSES_ROOT\\.vpr]\n"
      "@=\"VelmarProject\"\n");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->ReadString(Key, ""), "default");
  EXPECT_EQ(file->ReadString(Key, "Path"), "C:\\Velmar\\");
  EXPECT_EQ(file->ReadString(Key, "quote"), "say \"hi\"");
  EXPECT_EQ(file->ReadString(Key, "Count"), std::nullopt);  // not a string
  EXPECT_EQ(file->ReadString(Key, "Multi"), std::string("a\0b", 3));
  EXPECT_EQ(file->ReadString(Key, "Expand"), "%windir%");
  EXPECT_FALSE(file->KeyExists("HKEY_CURRENT_USER\\Software\\Gone"));
  EXPECT_EQ(file->ReadString("hkey_classes_root\\.VPR", ""), "VelmarProject");
}

// A value read is written on one line (that it reads back the same is the
// fuzz target's), a value of another type as it was: a continuation that ends
// in a lone backslash does not make the saved line go on; a key line is never
// swallowed by the hex data before it; other data never goes on, and keeps a
// backslash it ends in.
TEST(RegistryFile, ContinuedValuesSaveAsTheyRead) {
  const std::string head = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Kravo]\r\n";
  struct Case {
    const char* lines;
    const char* saved;  // the key's lines after a save
  };
  const Case cases[] = {
      {"\"Count\"=dword:00000010\r\n\"Bin\"=hex:01,02,\\\r\n  03\r\n", "\"Count\"=dword:00000010\r\n\"Bin\"=hex:01,02,03\r\n"},
      {"@=\"aa,\\\r\n\\\r\n 1\r\n", "@=\"aa,\\\r\n"},
      {"@=hex:aa,\\\r\n\\\r\n 1\r\n", "@=hex:aa,1\r\n"},
      {"\"Bin\"=hex:01,\\\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"v\"=\"x\"\r\n",
       "\"Bin\"=hex:01,\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"v\"=\"x\"\r\n"},
      {"garbage,\\\r\n\"v\"=\"x\"\r\n", "\"v\"=\"x\"\r\n"},
      {"\"Odd\"=\"a\\\\\r\n\"Next\"=\"b\"\r\n", "\"Odd\"=\"a\\\\\r\n\"Next\"=\"b\"\r\n"},
  };
  for (const Case& c : cases) {
    auto file = RegistryFile::Parse(head + c.lines);
    ASSERT_TRUE(file) << c.lines;
    EXPECT_EQ(file->Serialize(), head + c.saved + "\r\n") << c.lines;
  }
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
