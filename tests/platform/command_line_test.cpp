#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace velmar::platform {

namespace {
using Args = std::vector<std::string>;

// Each reading as "program|arguments".
Args Readings(std::string_view commandLine) {
  Args readings;
  for (const auto& c : ProgramCandidates(commandLine)) readings.push_back(c.program + "|" + c.arguments);
  return readings;
}
}  // namespace

// A quoted program is the only reading, even when the quote is never closed;
// an unquoted one is tried at every blank.
TEST(CommandLine, ProgramCandidates) {
  EXPECT_EQ(Readings(R"(  "C:\Program Files\Velmar\VelmarPM.exe"   /regserver x)"),
            (Args{R"(C:\Program Files\Velmar\VelmarPM.exe|/regserver x)"}));
  EXPECT_EQ(Readings(R"("C:\Velmar\A.exe)"), (Args{R"(C:\Velmar\A.exe|)"}));
  EXPECT_EQ(Readings("   "), Args{});
  EXPECT_EQ(Readings(R"(C:\Program Files\Velmar\VelmarPM.exe /regserver)"),
            (Args{R"(C:\Program|Files\Velmar\VelmarPM.exe /regserver)", R"(C:\Program Files\Velmar\VelmarPM.exe|/regserver)",
                  R"(C:\Program Files\Velmar\VelmarPM.exe /regserver|)"}));
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
  EXPECT_TRUE(SplitArguments("  \t ").empty());
}

TEST(CommandLine, ExplorerFolderIsAfterTheLastComma) {
  EXPECT_EQ(ExplorerFolder(R"(explorer.exe /e,/n,/root,D:\Tools\)"), R"(D:\Tools\)");
  EXPECT_EQ(ExplorerFolder(R"(C:\Windows\explorer.exe C:\X)"), R"(C:\X)");
  EXPECT_FALSE(ExplorerFolder(R"(C:\Velmar\VelmarPM.exe /regserver)"));
  EXPECT_FALSE(ExplorerFolder(R"(myexplorer.exe /e,C:\)"));
}

}  // namespace velmar::platform
