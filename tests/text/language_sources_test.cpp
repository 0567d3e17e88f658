// The text sources kept in the repository (that texts come back through the
// compiled files is the fuzz target's): they compile, hold the same texts in
// every language, and keep what the program relies on (placeholders, line
// breaks, the error prefix, one mnemonic per caption, unique on each page).

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "common/language_compiler.h"
#include "common/language_source.h"
#include "text/texts.h"
#include "ui/layout/fit_check.h"

namespace velmar {
namespace {

struct Language {
  int code;
  std::string errorPrefix;
};
const Language Languages[] = {{44, "ERROR: "}, {49, "FEHLER: "}, {33, "ERREUR : "}, {48, "BŁĄD: "}};

LanguageSource SourceOf(int code) {
  const std::string path = std::string(VELMAR_SOURCE_DIR) + "/src/resources/lang/vsetup_" + std::to_string(code) + ".txt";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  std::stringstream bytes;
  bytes << in.rdbuf();
  return ParseLanguageSource(bytes.str());
}

size_t Count(const std::string& text, std::string_view what) {
  size_t count = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size())) ++count;
  return count;
}

class CommittedSources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const Language& language : Languages) sources_[language.code] = SourceOf(language.code);
  }
  static const LanguageSource& English() { return sources_.at(44); }
  static std::map<int, LanguageSource> sources_;
};
std::map<int, LanguageSource> CommittedSources::sources_;

TEST_F(CommittedSources, EnglishIsTheProgramsOwnWording) {
  std::set<int> expected;
  for (const auto& english : text::EnglishTexts) {
    expected.insert(english.id);
    ASSERT_TRUE(English().texts.count(english.id)) << english.id;
    EXPECT_EQ(English().texts.at(english.id), english.text) << english.id;
  }
  for (int line = 0; line < text::LicenceLineCount; ++line) expected.insert(text::LicenceFirstLine + line);
  std::set<int> ids;
  for (const auto& [id, ignored] : English().texts) ids.insert(id);
  EXPECT_EQ(ids, expected);
}

TEST_F(CommittedSources, EveryLanguageCompilesWithEveryTextAndTheSameMarks) {
  for (const Language& language : Languages) {
    const LanguageSource& source = sources_.at(language.code);
    EXPECT_EQ(source.code, language.code);
    EXPECT_NO_THROW(CompileLanguage(source));
    for (const auto& [id, english] : English().texts) {
      SCOPED_TRACE("language " + std::to_string(language.code) + ", text " + std::to_string(id));
      const auto found = source.texts.find(id);
      ASSERT_NE(found, source.texts.end());
      const std::string& translated = found->second;
      EXPECT_FALSE(translated.empty());
      for (const char* mark : {"$", "\r\n", "\n", "&"}) EXPECT_EQ(Count(translated, mark), Count(english, mark)) << mark;
      EXPECT_EQ(translated.rfind('$') == translated.size() - 1, english.rfind('$') == english.size() - 1);
      EXPECT_EQ(translated[0] == '$', english[0] == '$');  // clauses of the agreement
      if (english.starts_with("ERROR: ")) {
        EXPECT_TRUE(translated.starts_with(language.errorPrefix));
      }
    }
    EXPECT_EQ(source.texts.size(), English().texts.size());
  }
}

TEST_F(CommittedSources, MnemonicsAreUniqueOnEachPage) {
  const std::vector<std::vector<int>> pages = {
      {text::InstallVelmar, text::SpecialInstall, text::InstallPatch, text::InstallProject, text::ViewReadme,
       text::ExploreUtilities, text::UninstallVelmar, text::ContinueEnter, text::ExitEsc},
      {text::AcceptTerms, text::RejectTerms},
  };
  for (const Language& language : Languages) {
    for (const std::vector<int>& page : pages) {
      std::set<std::string> letters;
      for (int id : page) {
        const std::string letter = ui::AccessKey(sources_.at(language.code).texts.at(id));
        EXPECT_FALSE(letter.empty()) << language.code << "/" << id;
        EXPECT_TRUE(letters.insert(letter).second) << language.code << "/" << id << " repeats &" << letter;
      }
    }
  }
}

}  // namespace
}  // namespace velmar
