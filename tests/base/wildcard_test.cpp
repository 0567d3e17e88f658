#include "base/text_case.h"
#include "base/wildcard.h"

#include <gtest/gtest.h>

namespace velmar::platform {

TEST(Wildcard, StarDotStarMatchesEveryNameAndStarIsPlain) {
  for (const char* name : {"a", "a.b", ".", "..", "noext", "x.tar.gz", ".profile"}) {
    EXPECT_TRUE(MatchesWildcard("*.*", name)) << name;
    EXPECT_TRUE(MatchesWildcard("*", name)) << name;
  }
}

TEST(Wildcard, PrefixAndExtensionPatterns) {
  EXPECT_TRUE(MatchesWildcard("Velmar*.zip", "VELMAR_3410.ZIP"));
  EXPECT_TRUE(MatchesWildcard("Velmar*.zip", "velmar.zip"));
  EXPECT_TRUE(MatchesWildcard("Velmar*.zip", "Velmar_a.b.zip"));
  EXPECT_FALSE(MatchesWildcard("Velmar*.zip", "Velmar.zip.bak"));
  EXPECT_FALSE(MatchesWildcard("Velmar*.zip", "OldVelmar.zip"));
  EXPECT_FALSE(MatchesWildcard("*.zip", "zip"));
  EXPECT_TRUE(MatchesWildcard("*.L??", "Velmar.L44"));
  EXPECT_TRUE(MatchesWildcard("setup.ini", "SETUP.INI"));
  EXPECT_FALSE(MatchesWildcard("setup.ini", "setup.ini2"));
}

TEST(Wildcard, PatternsOfManyStarsAnswerAtOnce) {
  // Each star once tried every rest of the name again: two thousand of them
  // against a long name that does not match took minutes.
  const std::string stars(2000, '*'), name(2000, 'a');
  EXPECT_FALSE(MatchesWildcard(stars + "c", name));
  EXPECT_TRUE(MatchesWildcard(stars + "a", name));
  EXPECT_FALSE(MatchesWildcard(std::string(1000, '*') + ".c", name + ".b"));
  EXPECT_TRUE(MatchesWildcard("**a**b**", "xaybz"));
  EXPECT_TRUE(MatchesWildcard("*.*.b", "a.x.b"));
  EXPECT_FALSE(MatchesWildcard("**a**b**", "xbyaz"));
}

TEST(Wildcard, QuestionMarkAndDotFollowTheDosRules) {
  EXPECT_TRUE(MatchesWildcard("?", "a"));
  EXPECT_FALSE(MatchesWildcard("?", "ab"));
  EXPECT_FALSE(MatchesWildcard("?", "."));
  // A "?" before the dot or at the end may stand for nothing.
  EXPECT_TRUE(MatchesWildcard("a?.txt", "a.txt"));
  EXPECT_TRUE(MatchesWildcard("a??", "a"));
  EXPECT_FALSE(MatchesWildcard("a?c", "ac"));
  // "*." keeps names without an extension.
  EXPECT_TRUE(MatchesWildcard("*.", "README"));
  EXPECT_FALSE(MatchesWildcard("*.", "README.txt"));
  EXPECT_TRUE(MatchesWildcard("Data.*", "Data"));
}

TEST(Wildcard, CaseIsIgnoredBeyondAscii) {
  EXPECT_TRUE(MatchesWildcard("GRÜSSE*", "grüsse.txt"));
  EXPECT_TRUE(MatchesWildcard("ŁÓDŹ.ini", "łódź.INI"));
  EXPECT_TRUE(SameText("Ĺĺ Ňň Žž Ÿÿ", "ĺĹ ňŇ žŽ ÿŸ"));
  EXPECT_TRUE(SameText("Привет", "пРИВЕТ"));
  EXPECT_FALSE(SameText("a", "ä"));
}

TEST(Wildcard, NtfsOrderComparesUpperCase) {
  EXPECT_TRUE(NtfsNameLess("a.txt", "B.txt"));
  EXPECT_TRUE(NtfsNameLess("a_", "B"));
  EXPECT_TRUE(NtfsNameLess("z", "_"));  // '_' (0x5F) sorts after 'Z', though before 'z'
  EXPECT_FALSE(NtfsNameLess("abc", "ABC"));
  EXPECT_TRUE(NtfsNameLess("a", "ä"));
}

}  // namespace velmar::platform
