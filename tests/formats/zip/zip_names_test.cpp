#include "formats/zip/zip_names.h"

#include <gtest/gtest.h>

#include "formats/zip/zip_errors.h"

namespace velmar {
namespace {

TEST(ZipNames, NamesBelowTheBaseFolderAreAccepted) {
  // "./" and "././" are folder entries for the base folder itself, as some tools store it.
  for (const char* name : {"a.txt", "sub/dir/file.dll", "sub/", "./a.txt", "./", "././", "a//b", "..a/b..c", "Grüße.txt", "x.y.z"})
    EXPECT_EQ(CheckItemName(name), 0) << name;
  EXPECT_EQ(ItemNameParts("./sub//dir/./file.dll"), (std::vector<std::string>{"sub", "dir", "file.dll"}));
}

TEST(ZipNames, NamesThatClimbOutAreUnsafe) {
  for (const char* name : {"../a.txt", "sub/../../a.txt", "sub/..", "/etc/passwd", "\\Windows\\x.dll",
                           "C:/Windows/x.dll", "c:x.dll", "sub\\..\\..\\a.txt", "..", "/"})
    EXPECT_EQ(CheckItemName(name), zip_error::UnsafeName) << name;
}

TEST(ZipNames, NamesWindowsCannotHoldAreInvalid) {
  for (const char* name : {"", ".", "a<b", "a>b", "sub/a:b", "a\"b", "a|b", "a?b", "a*b", "tab\there",
                           "nul", "NUL.txt", "sub/con", "Com1.log", "lpt9", "aux .txt", "name.", "name ", "dir./x",
                           "...", "CONOUT$"})
    EXPECT_EQ(CheckItemName(name), zip_error::InvalidName) << name;
  for (const char* name : {"console.txt", "com10", "lpt0", "nullify", "auxiliary/a"})
    EXPECT_EQ(CheckItemName(name), 0) << name;
}

TEST(ZipNames, MasksMatchLikeFindFirstFile) {
  EXPECT_TRUE(MatchesMask("README", "*.*"));
  EXPECT_TRUE(MatchesMask("sub/dir/File.DLL", "*.*"));
  EXPECT_TRUE(MatchesMask("sub/", "*.*"));
  EXPECT_TRUE(MatchesMask("sub/dir/File.DLL", "*.dll"));
  EXPECT_FALSE(MatchesMask("sub/dir/File.DLL", "*.exe"));
  EXPECT_TRUE(MatchesMask("sub/dir/File.DLL", "sub\\*\\file.*"));
  EXPECT_FALSE(MatchesMask("other/dir/File.DLL", "sub/*"));
  EXPECT_TRUE(MatchesMask("Demo.vpr", "DEMO.VP?"));
}

}  // namespace
}  // namespace velmar
