#include "formats/zip/zip_names.h"

#include <gtest/gtest.h>

#include <tuple>

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

// A mask without a folder matches the name's last part; one with a folder the whole name.
TEST(ZipNames, MasksMatchLikeFindFirstFile) {
  for (const auto& [name, mask, matches] : std::vector<std::tuple<const char*, const char*, bool>>{
           {"README", "*.*", true}, {"sub/dir/File.DLL", "*.*", true}, {"sub/", "*.*", true},
           {"sub/dir/File.DLL", "*.dll", true}, {"sub/dir/File.DLL", "*.exe", false},
           {"sub/dir/File.DLL", "sub\\*\\file.*", true}, {"other/dir/File.DLL", "sub/*", false},
           {"Demo.vpr", "DEMO.VP?", true}})
    EXPECT_EQ(MatchesMask(name, mask), matches) << name << " " << mask;
}

}  // namespace
}  // namespace velmar
