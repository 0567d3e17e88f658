#include "common/language_source.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "common/language_compiler.h"
#include "support/files/failing_files.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

std::string FaultsOf(std::string_view source) {
  try {
    ParseLanguageSource(source);
  } catch (const InstallerError& error) {
    return error.what();
  }
  return "no fault";
}

TEST(LanguageSource, ReadsHeaderTextsCommentsAndEscapes) {
  const LanguageSource source = ParseLanguageSource(
      "\xEF\xBB\xBF# German texts\r\n"
      "\n"
      "  # indented comment\n"
      "language 49\r\n"
      "10\tInstallation nicht möglich !\\r\\nVelmar läuft !\r\n"
      "33 &Velmar installieren\n"
      "34   leading blanks kept \n"
      "35\tC:\\\\Velmar\\tTab\n"
      "36\n"
      "37\t");
  EXPECT_EQ(source.code, 49);
  EXPECT_EQ(source.texts, (std::map<int, std::string>{{10, "Installation nicht möglich !\r\nVelmar läuft !"},
                                                      {33, "&Velmar installieren"},
                                                      {34, "  leading blanks kept "},
                                                      {35, "C:\\Velmar\tTab"},
                                                      {36, ""},
                                                      {37, ""}}));
}

TEST(LanguageSource, ReportsEveryFaultWithItsLine) {
  const std::string faults = FaultsOf(
      "language 49\n"         // 1
      "Hello\n"               // 2
      "12x text\n"            // 3
      "0\tzero\n"             // 4
      "8192\ttoo far\n"       // 5
      "7\tone\n"              // 6
      "7\tagain\n"            // 7
      "8\tC:\\Velmar\n"       // 8 unknown escape
      "9\tends in \\\n"       // 9
      "10\tZażółć\n"          // 10 Polish letters in a German source
      "11\tbad \xC3 UTF-8\n"  // 11
      "12\tbell \x07\n"        // 12
      "13\tslash \xC0\xAF\n");  // 13 an overlong form, which would store "/"
  for (int line = 2; line <= 13; ++line) {
    if (line == 6) continue;
    EXPECT_NE(faults.find("line " + std::to_string(line) + ":"), std::string::npos) << "line " << line << "\n" << faults;
  }
  EXPECT_EQ(faults.find("line 6:"), std::string::npos);
  EXPECT_NE(faults.find("first on line 6"), std::string::npos);
  EXPECT_NE(faults.find("U+017C"), std::string::npos);  // ż
  EXPECT_NE(faults.find("code page 1252"), std::string::npos);
}

TEST(LanguageSource, HeaderFaults) {
  EXPECT_NE(FaultsOf("# only comments\n").find("missing"), std::string::npos);
  // No header first, a code out of range, no number.
  for (const char* source : {"33\tInstall\n", "language 100\n", "language 0\n", "language forty\n"})
    EXPECT_NE(FaultsOf(source).find("line 1:"), std::string::npos) << source;
  EXPECT_EQ(FaultsOf("LANGUAGE 48  \n"), "no fault");
}

TEST(LanguageSource, PolishNeedsCodePage1250) {
  EXPECT_EQ(FaultsOf("language 48\n1\tZażółć gęślą jaźń\n"), "no fault");
  EXPECT_NE(FaultsOf("language 48\n1\tEspaña\n").find("code page 1250"), std::string::npos);
  EXPECT_NE(FaultsOf("language 44\n1\t\xC2\x85\n").find("line 2:"), std::string::npos);  // a C1 control
}

// That every text comes back through both files and the printed source is the
// fuzz target's; here the code page the texts are stored in.
TEST(LanguageCompiler, StoresTextsInTheLanguagesCodePage) {
  LanguageSource source;
  source.code = 48;
  source.texts = {{3, "Zażółć gęślą jaźń"}, {12, ""}};
  const CompiledLanguage compiled = CompileLanguage(source);
  EXPECT_EQ(compiled.separateFile.substr(44 + 12 * 8, 3), "Za\xBF");
  for (const std::string* file : {&compiled.combinedFile, &compiled.separateFile})
    EXPECT_EQ(DecompileLanguage(*file, 48).combined, file == &compiled.combinedFile);
}

TEST(LanguageCompiler, DecompileReportsDamage) {
  const CompiledLanguage compiled = CompileLanguage(ParseLanguageSource("language 44\n1\tone\n2\ttwo\n"));
  const DecompiledLanguage cut = DecompileLanguage(compiled.separateFile.substr(0, compiled.separateFile.size() - 1), 44);
  EXPECT_EQ(cut.source.texts.at(1), "one");
  ASSERT_EQ(cut.problems.size(), 1u);
  EXPECT_NE(cut.problems[0].find("text 2"), std::string::npos);

  const std::string tooFew = compiled.combinedFile.substr(0, 41) + std::string("\x03\0\0\0", 4);
  EXPECT_FALSE(DecompileLanguage(tooFew, 44).problems.empty());
}

TEST(LanguageCompiler, WritesBothFilesOrNothing) {
  test::TempDrive drive;
  drive.writeFile("src\\de.txt", "language 49\n33\t&Velmar installieren\n");
  drive.makeFolder("out");
  const auto written = CompileLanguageFiles(drive.fs(), drive.path("src\\de.txt"), drive.path("out"));
  EXPECT_EQ(written, (std::vector<std::string>{drive.path("out\\Velmar.L49"), drive.path("out\\VSETUP.L49")}));
  const std::string combined = drive.readFile("out\\Velmar.L49");
  EXPECT_EQ(DecompileLanguageFileAt(drive.fs(), drive.path("out\\VSETUP.L49")).source.texts.at(33),
            "&Velmar installieren");

  // A faulty source names itself and its line, and leaves the old files alone.
  drive.writeFile("src\\de.txt", "language 49\n33\t&Velmar installieren\n33\tagain\n");
  try {
    CompileLanguageFiles(drive.fs(), drive.path("src\\de.txt"), drive.path("out"));
    FAIL() << "no error";
  } catch (const InstallerError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(drive.path("src\\de.txt")), std::string::npos) << message;
    EXPECT_NE(message.find("line 3:"), std::string::npos) << message;
  }
  EXPECT_EQ(drive.readFile("out\\Velmar.L49"), combined);

  EXPECT_THROW(CompileLanguageFiles(drive.fs(), drive.path("src\\missing.txt"), drive.path("out")), InstallerError);
  drive.writeFile("out\\texts.bin", combined);
  EXPECT_THROW(DecompileLanguageFileAt(drive.fs(), drive.path("out\\texts.bin")), InstallerError);

  // A write that fails keeps the old file and leaves no temporary one.
  drive.writeFile("src\\de.txt", "language 49\n33\t&Velmar installieren\n");
  test::FailingFiles files(drive.fs());
  for (const test::FileOp op : {test::FileOp::Write, test::FileOp::Close, test::FileOp::Replace}) {
    files.clearFaults();
    files.addFault({.op = op, .pathContains = "Velmar.L49", .shortWrite = op == test::FileOp::Write});
    EXPECT_THROW(CompileLanguageFiles(files, drive.path("src\\de.txt"), drive.path("out")), InstallerError);
    EXPECT_EQ(drive.readFile("out\\Velmar.L49"), combined);
    EXPECT_FALSE(drive.exists("out\\Velmar.L49.tmp"));
  }
}

}  // namespace
}  // namespace velmar
