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

// Case is ignored beyond ASCII; a "?" before the dot or at the end may stand
// for nothing; "*." keeps names without an extension.
TEST(Wildcard, PatternsFollowTheDosRules) {
  const struct {
    const char *pattern, *name;
    bool matches;
  } cases[] = {
      {"Velmar*.zip", "Velmar_a.b.zip", true},  {"Velmar*.zip", "Velmar.zip.bak", false},
      {"setup.ini", "setup.ini2", false},       {"ŁÓDŹ.ini", "łódź.INI", true},
      {"?", "ab", false},                       {"?", ".", false},
      {"a?.txt", "a.txt", true},                {"a??", "a", true},
      {"a?c", "ac", false},                     {"*.", "README", true},
      {"*.", "README.txt", false},              {"Data.*", "Data", true},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

TEST(Wildcard, PatternsOfManyStarsAnswerAtOnce) {
  // Each star once tried every rest of the name again: two thousand of them
  // against a long name that does not match took minutes.
  const std::string stars(2000, '*'), name(2000, 'a');
  EXPECT_FALSE(MatchesWildcard(stars + "c", name));
  EXPECT_TRUE(MatchesWildcard(stars + "a", name));
  EXPECT_FALSE(MatchesWildcard(std::string(1000, '*') + ".c", name + ".b"));
}

}  // namespace velmar::platform
