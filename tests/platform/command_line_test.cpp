#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace velmar::platform {

using Args = std::vector<std::string>;

TEST(CommandLine, QuotedProgramIsTheOnlyReading) {
  const auto r = ProgramCandidates(R"(  "C:\Program Files\Velmar\VelmarPM.exe"   /regserver x)");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].program, R"(C:\Program Files\Velmar\VelmarPM.exe)");
  EXPECT_EQ(r[0].arguments, "/regserver x");
  const auto open = ProgramCandidates(R"("C:\Velmar\A.exe)");  // never closed
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].program, R"(C:\Velmar\A.exe)");
  EXPECT_TRUE(ProgramCandidates("   ").empty());
}

TEST(CommandLine, UnquotedProgramIsTriedAtEveryBlank) {
  const auto r = ProgramCandidates(R"(C:\Program Files\Velmar\VelmarPM.exe /regserver)");
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].program, R"(C:\Program)");
  EXPECT_EQ(r[0].arguments, R"(Files\Velmar\VelmarPM.exe /regserver)");
  EXPECT_EQ(r[1].program, R"(C:\Program Files\Velmar\VelmarPM.exe)");
  EXPECT_EQ(r[1].arguments, "/regserver");
  EXPECT_EQ(r[2].program, R"(C:\Program Files\Velmar\VelmarPM.exe /regserver)");
  EXPECT_EQ(r[2].arguments, "");
  const auto trailing = ProgramCandidates("SETUP.EXE   ");
  ASSERT_EQ(trailing.size(), 1u);
  EXPECT_EQ(trailing[0].program, "SETUP.EXE");
}

TEST(CommandLine, ArgumentsFollowTheWindowsQuotingRules) {
  EXPECT_EQ(SplitArguments(R"(/Q  "a b"	c)"), (Args{"/Q", "a b", "c"}));
  EXPECT_EQ(SplitArguments(R"(a"b c"d)"), (Args{"ab cd"}));
  EXPECT_EQ(SplitArguments(R"("" x "")"), (Args{"", "x", ""}));
  // Backslashes are literal unless they come before a quote.
  EXPECT_EQ(SplitArguments(R"(C:\A\ \\srv\x\)"), (Args{R"(C:\A\)", R"(\\srv\x\)"}));
  EXPECT_EQ(SplitArguments(R"(a\"b "c\\" d\\\"e)"), (Args{R"(a"b)", R"(c\)", R"(d\"e)"}));
  // Inside quotes a doubled quote is a literal one and ends the quoting.
  EXPECT_EQ(SplitArguments(R"("a""b c")"), (Args{R"(a"b)", "c"}));
  EXPECT_EQ(SplitArguments(R"("open)"), (Args{"open"}));
  EXPECT_TRUE(SplitArguments("  \t ").empty());
}

TEST(CommandLine, ExplorerFolderIsAfterTheLastComma) {
  EXPECT_EQ(ExplorerFolder(R"(explorer.exe /e,/n,/root,D:\Tools\)"), R"(D:\Tools\)");
  EXPECT_EQ(ExplorerFolder(R"(EXPLORER.EXE /e,/n,C:\Program Files\Velmar\)"), R"(C:\Program Files\Velmar\)");
  EXPECT_EQ(ExplorerFolder(R"(C:\Windows\explorer.exe C:\X)"), R"(C:\X)");
  EXPECT_FALSE(ExplorerFolder(R"(C:\Velmar\VelmarPM.exe /regserver)"));
  EXPECT_FALSE(ExplorerFolder(R"(myexplorer.exe /e,C:\)"));
}

}  // namespace velmar::platform
