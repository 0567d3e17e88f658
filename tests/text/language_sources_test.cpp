// The text sources kept in the repository (that texts come back through the
// compiled files is the fuzz target's): they compile, hold the same texts in
// every language, and keep what the program relies on (placeholders, line
// breaks, the error prefix).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/language_compiler.h"
#include "common/language_source.h"

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

}  // namespace
}  // namespace velmar
