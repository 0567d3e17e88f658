#include "common/language_source.h"

#include <gtest/gtest.h>

#include "base/errors.h"

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

// A source the compiler would turn into a wrong language file is refused,
// each fault named with its line.
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

}  // namespace
}  // namespace velmar
