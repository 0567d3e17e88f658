#include "base/path_utils.h"

#include <gtest/gtest.h>

#include "base/text_case.h"

namespace velmar {

TEST(PathUtils, ParentFolderOfTheExamplesAndOfRelativePaths) {
  EXPECT_EQ(ParentFolder("C:\\A\\B\\", "Z:\\unused"), "C:\\A\\");
  EXPECT_EQ(ParentFolder("C:\\A", ""), "C:\\");
  EXPECT_EQ(ParentFolder("C:\\", ""), "C:\\");
  EXPECT_EQ(ParentFolder("..\\X\\Y", "D:\\Work\\A\\"), "D:\\Work\\X\\");
  EXPECT_EQ(ParentFolder("\\Top\\Sub", "D:\\Work"), "D:\\Top\\");
  EXPECT_EQ(ParentFolder("\\\\server\\share\\dir", ""), "\\\\server\\share\\");
}

TEST(PathUtils, FullPathNameReadsAPathAsWindowsDoes) {
  EXPECT_EQ(FullPathName("a\\.\\b\\..\\c.txt", "C:\\Work"), "C:\\Work\\a\\c.txt");
  EXPECT_EQ(FullPathName("C:\\..\\..\\X", ""), "C:\\X");
  EXPECT_EQ(FullPathName("C:\\X\\name. . ", ""), "C:\\X\\name");
  // The name a "." or ".." leaves last loses its dots too, so a full name stays full.
  EXPECT_EQ(FullPathName("C:\\X\\a. \\b\\..", ""), "C:\\X\\a");
  EXPECT_EQ(FullPathName("D:rel", "C:\\Work"), "D:\\rel");
  EXPECT_TRUE(SamePath("C:\\Velmar\\Setup.INI", "c:\\VELMAR\\.\\setup.ini", ""));
  EXPECT_TRUE(SamePath("Setup.ini", "C:\\Work\\SETUP.ini.", "C:\\Work\\"));
  EXPECT_FALSE(SamePath("C:\\Velmar\\Setup.ini", "C:\\Velmar\\Setup.ini2", ""));
}

TEST(PathUtils, NamesExtensionsAndSmallTextOperations) {
  EXPECT_EQ(WithBackslash(""), "");
  EXPECT_EQ(FileDrive("\\\\srv\\share\\b.txt"), "\\\\srv\\share");
  EXPECT_EQ(NameWithoutExt("C:\\A.d\\archive.tar.gz"), "archive.tar");
  EXPECT_EQ(FileExtension("C:\\A.d\\README"), "");
  EXPECT_EQ(Unquote("\""), "\"");
  EXPECT_EQ(PadNumber(-5, 4, '0'), "00-5");
}

TEST(TextCase, FoldsTheLettersOfTheAnsiCodePages) {
  EXPECT_FALSE(SameText("Größe", "GRÖSSE"));  // ß has no capital of its own
  EXPECT_TRUE(SameText("Größe", "GRÖßE"));
  EXPECT_TRUE(SameText("ŁÓDŹ", "łódź"));
  EXPECT_FALSE(SameText("a", "ä"));
  EXPECT_FALSE(SameText("÷", "×"));  // the division sign is no small multiplication sign
  EXPECT_EQ(UpperCaseText("velmar.vpr ąę žš"), "VELMAR.VPR ĄĘ ŽŠ");
  EXPECT_EQ(UpperCaseText("a\xFF" "b"), "A\xFF" "B");  // broken bytes stay
}

TEST(PathUtils, AbsoluteFoldersAreResolvedAndOthersAreNone) {
  const struct {
    const char* path;
    const char* absolute;  // nullptr: none
  } cases[] = {
      {"C:\\Velmar\\", "C:\\Velmar"},
      {"C:\\..\\..", "C:\\"},
      {"\\\\server\\share\\Velmar\\..\\..\\..", "\\\\server\\share"},
      {"Velmar\\Projects", nullptr},
      {"C:Velmar", nullptr},
      {"\\\\server", nullptr},
      {"\\\\?\\C:\\Velmar", nullptr},
      {"\\\\.\\PhysicalDrive0", nullptr},
  };
  for (const auto& c : cases) {
    const auto absolute = AbsoluteFolder(c.path);
    if (c.absolute) {
      EXPECT_EQ(absolute.value_or("<none>"), c.absolute) << c.path;
    } else {
      EXPECT_FALSE(absolute) << c.path << " gave " << *absolute;
    }
  }
}

}  // namespace velmar
