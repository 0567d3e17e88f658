#include "base/codepage.h"

#include <gtest/gtest.h>

namespace velmar {

// Any bytes coming back through UTF-8 is the fuzz target's; here, where the letters land.
TEST(CodePage, LettersOfEachLanguageMapAndBrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(DecodeToUtf8("\xE4\xF6\xFC\xDF\xC4\xE9\xE8\xE7\x80", CodePage::Cp1252), "äöüßÄéèç€");
  EXPECT_EQ(EncodeFromUtf8("ąćęłńśźż", CodePage::Cp1250), "\xB9\xE6\xEA\xB3\xF1\x9C\x9F\xBF");
  EXPECT_EQ(EncodeFromUtf8("ł", CodePage::Cp1252), "?");
  EXPECT_EQ(EncodeFromUtf8("a\xC3", CodePage::Cp1252), "a?");    // cut sequence
  EXPECT_EQ(EncodeFromUtf8("\xE2\x82", CodePage::Cp1252), "??");  // each stray byte
}

TEST(CodePage, OneThatCannotBeConvertedPassesAsciiAndRefusesTheRest) {
  const CodePage japanese{932};
  EXPECT_FALSE(CanConvert(japanese));
  EXPECT_TRUE(CanConvert(CodePage::Cp1250));
  EXPECT_EQ(DecodeToUtf8("C:\\Velmar\r\n", japanese), "C:\\Velmar\r\n");
  EXPECT_EQ(EncodeFromUtf8("C:\\Velmar", japanese), "C:\\Velmar");
  for (const auto& convert : {+[](CodePage p) { DecodeToUtf8("a\x83\x7D", p); },
                              +[](CodePage p) { EncodeFromUtf8("Zakład", p); },
                              +[](CodePage p) { EncodeFromUtf8("a\xC3", p); }}) {
    try {
      convert(japanese);
      ADD_FAILURE() << "converted in code page 932";
    } catch (const CodePageError& e) {
      EXPECT_EQ(e.page(), japanese);
    }
  }
}

TEST(CodePage, OnlyShortestFormsOfRealCharactersAreUtf8) {
  const struct {
    std::string_view bytes;
    char32_t cp;
    size_t length;
  } cases[] = {
      {"\xC0\xAF", 0xFFFD, 1},          // "/" in two bytes
      {"\xED\xA0\x80", 0xFFFD, 1},      // a surrogate
      {"\xF4\x90\x80\x80", 0xFFFD, 1},  // past U+10FFFF
      {"\xC2\x80", 0x80, 2},
      {"\xEF\xBF\xBD", 0xFFFD, 3},      // the replacement character itself
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
  };
  for (const auto& c : cases) {
    size_t pos = 0;
    EXPECT_EQ(NextCodePoint(c.bytes, pos), c.cp) << testing::PrintToString(std::string(c.bytes));
    EXPECT_EQ(pos, c.length);
  }
  EXPECT_EQ(EncodeFromUtf8("a\xC0\xAF" "b", CodePage::Cp1252), "a??b");
}

}  // namespace velmar
