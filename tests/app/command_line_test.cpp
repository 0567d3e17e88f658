#include "app/command_line.h"

#include <gtest/gtest.h>

namespace velmar {

TEST(CommandLine, LanguageSwitchesInEveryFormLastOneWins) {
  EXPECT_EQ(ParseCommandLine({"-l44"}).Language, 1);
  EXPECT_EQ(ParseCommandLine({"/44"}).Language, 1);
  EXPECT_EQ(ParseCommandLine({"/l48"}).Language, 3);
  EXPECT_EQ(ParseCommandLine({"/L33", "/L49"}).Language, 0);
  EXPECT_EQ(ParseCommandLine({"/L50"}).Language, -1);
}

TEST(CommandLine, FunctionKeysAndTheirGaps) {
  EXPECT_EQ(ParseCommandLine({"/F5"}).Function, 3);
  EXPECT_EQ(ParseCommandLine({"-f2"}).Function, 0);
  EXPECT_EQ(ParseCommandLine({"/F8xyz"}).Function, 6);
  EXPECT_EQ(ParseCommandLine({"/F0"}).Function, 99);
  EXPECT_EQ(ParseCommandLine({"/F1"}).Function, -1);
  EXPECT_EQ(ParseCommandLine({"/FX"}).Function, -1);
  EXPECT_EQ(ParseCommandLine({"/F3", "/F1"}).Function, 1);  // a later no-effect switch keeps the earlier one
}

TEST(CommandLine, ShortArgumentsAreIgnoredEvenWhenTheyLookLikeSwitches) {
  // "/F" alone and "-W" have two characters: ignored, no out-of-range read.
  const auto c = ParseCommandLine({"/F", "-W", "/L", "/4", "", "x"});
  EXPECT_EQ(c.Function, -1);
  EXPECT_EQ(c.Language, -1);
  EXPECT_FALSE(c.SkipWelcome);
  const auto d = ParseCommandLine({"/w-", "-L-"});
  EXPECT_TRUE(d.SkipWelcome);
  EXPECT_TRUE(d.SkipLicence);
  EXPECT_EQ(d.Language, -1);  // "-L-" is no language switch
}

}  // namespace velmar
