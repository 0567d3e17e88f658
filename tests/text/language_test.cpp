#include "text/language_support.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "common/language_compiler.h"
#include "common/language_source.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

CompiledLanguage Compiled(const std::string& source) { return CompileLanguage(ParseLanguageSource(source)); }

const char* const German =
    "language 49\n"
    "7\n"  // empty: not translated
    "19\tVelmar wurde auf diesem Computer installiert am $\n"
    "33\t&Velmar installieren\n";

class LanguageSupportTest : public ::testing::Test {
 protected:
  void WriteCombined(const std::string& name, const std::string& source) {
    drive.writeFile(name, Compiled(source).combinedFile);
  }
  void WriteSeparate(const std::string& name, const std::string& source) {
    drive.writeFile(name, Compiled(source).separateFile);
  }
  // Velmar.L44 and Velmar.L49 make the medium use the combined files.
  void MakeCombinedMedium() {
    WriteCombined("Velmar.L44", "language 44\n33\tInstall &Velmar\n");
    WriteCombined("Velmar.L49", German);
  }
  LanguageSupport& Initialised() {
    language.Initialise();
    return language;
  }

  test::TempDrive drive;
  LanguageSupport language{drive.fs(), drive.root()};
};

TEST_F(LanguageSupportTest, WithoutTextsEveryLookupGivesItsDefault) {
  Initialised();
  EXPECT_EQ(language.Translate(0, 33, "Install &Velmar"), "Install &Velmar");
  // Only the first "$" is replaced, and the argument goes in unchanged.
  EXPECT_EQ(language.TranslateWith(16, 5, "$ and $", "$1"), "$1 and $");
}

TEST_F(LanguageSupportTest, SeparateFileNumbersUntranslatedTexts) {
  WriteSeparate("VSETUP.L49", German);
  ASSERT_FALSE(Initialised().CombinedMode());
  ASSERT_EQ(language.Load(49), LanguageSupport::Loaded);
  EXPECT_EQ(language.Translate(0, 33, "Install &Velmar"), "&Velmar installieren");
  EXPECT_EQ(language.Translate(16, 7, "Seven"), "16:7");
  EXPECT_EQ(language.TextLength(16, 7), 4);
  EXPECT_EQ(language.TranslateWith(16, 19, "on $", "heute"), "Velmar wurde auf diesem Computer installiert am heute");
  // Beyond the last entry, in other groups and above 10000: defaults.
  EXPECT_EQ(language.Translate(16, 34, "Patch"), "Patch");
  EXPECT_EQ(language.Translate(17, 33, "no group"), "no group");
  EXPECT_EQ(language.TextLength(16, 0), 0);  // the group name is no text
}

TEST_F(LanguageSupportTest, FileModeNeedsEnglishAndGermanOrFrench) {
  WriteCombined("Velmar.L44", "language 44\n");
  WriteCombined("Velmar.L48", "language 48\n1\tZażółć\n");
  WriteSeparate("VSETUP.L48", "language 48\n1\tZażółć gęślą jaźń\n");
  ASSERT_FALSE(Initialised().CombinedMode());
  ASSERT_EQ(language.Load(48), LanguageSupport::Loaded);
  EXPECT_EQ(language.Translate(16, 1, "x"), "Zażółć gęślą jaźń");  // decoded from code page 1250
  EXPECT_EQ(language.TextLength(16, 1), 17);                        // characters, not bytes

  WriteCombined("Velmar.L33", "language 33\n");
  EXPECT_TRUE(Initialised().CombinedMode());
  drive.fs().deleteFile(drive.path("Velmar.L44"));
  drive.makeFolder("Velmar.L44");  // a folder of that name is no file
  EXPECT_FALSE(Initialised().CombinedMode());
}

TEST_F(LanguageSupportTest, LoadResults) {
  WriteSeparate("VSETUP.L49", German);
  Initialised();
  EXPECT_EQ(language.Load(0), LanguageSupport::InvalidRequest);  // nothing loaded yet
  EXPECT_EQ(language.Load(100), LanguageSupport::InvalidRequest);
  EXPECT_EQ(language.Load(44), LanguageSupport::SeparateFileMissing);
  EXPECT_EQ(language.Load(49), LanguageSupport::Loaded);

  // A failed load leaves no texts of the earlier language behind, and asking
  // again does not turn the failure into success.
  EXPECT_EQ(language.Load(33), LanguageSupport::SeparateFileMissing);
  EXPECT_EQ(language.Translate(16, 33, "Install &Velmar"), "Install &Velmar");
}

// An untranslated text falls back to the default; a bad file or a missing one fails.
TEST_F(LanguageSupportTest, CombinedFilesFallBackToTheDefaultAndFail) {
  MakeCombinedMedium();
  drive.writeFile("Velmar.L33", std::string("\x0FVELMAR_LANGUAGX") + std::string(100, '\0'));
  ASSERT_TRUE(Initialised().CombinedMode());
  ASSERT_EQ(language.Load(49), LanguageSupport::Loaded);
  EXPECT_EQ(language.Translate(16, 33, "Install &Velmar"), "&Velmar installieren");
  EXPECT_EQ(language.Translate(16, 7, "Seven"), "Seven");
  EXPECT_EQ(language.Load(33), LanguageSupport::BadMagic);
  EXPECT_EQ(language.Translate(16, 33, "Install &Velmar"), "Install &Velmar");

  // A combined file missing for the chosen language is an error naming it.
  try {
    language.Load(48);
    FAIL() << "no error";
  } catch (const InstallerError& error) {
    EXPECT_NE(std::string(error.what()).find(drive.path("Velmar.L48")), std::string::npos) << error.what();
  }
}

// A language file that cannot be read is an error that names it; nothing of
// it stays loaded, and a later attempt reads it again.
TEST_F(LanguageSupportTest, ReadErrorsEscapeAndLeaveNothingLoaded) {
  MakeCombinedMedium();
  test::FailingFiles files(drive.fs());
  LanguageSupport failing(files, drive.root());
  failing.Initialise();
  ASSERT_TRUE(failing.CombinedMode());

  for (const test::FileOp op : {test::FileOp::OpenRead, test::FileOp::Read}) {
    files.clearFaults();
    files.addFault({.op = op, .nth = op == test::FileOp::OpenRead ? 1 : 3, .pathContains = "Velmar.L49"});
    try {
      failing.Load(49);
      FAIL() << "no error for fault " << int(op);
    } catch (const InstallerError& error) {
      EXPECT_NE(std::string(error.what()).find("Velmar.L49"), std::string::npos) << error.what();
    }
    EXPECT_EQ(failing.Translate(16, 33, "Install &Velmar"), "Install &Velmar");
  }
  files.clearFaults();
  EXPECT_EQ(failing.Load(49), LanguageSupport::Loaded);
  EXPECT_EQ(failing.Translate(16, 33, "Install &Velmar"), "&Velmar installieren");
}

}  // namespace
}  // namespace velmar
