#include "platform/posix/code_page_variable.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace velmar::platform {

TEST(CodePageVariable, NamesTheSystemsCodePageByItsNumber) {
  EXPECT_EQ(ParseCodePageVariable(""), CodePage::Cp1252);
  EXPECT_EQ(ParseCodePageVariable("1250"), CodePage::Cp1250);
  EXPECT_EQ(ParseCodePageVariable("932"), CodePage{932});  // taken, though not converted
  for (const char* bad : {"cp1250", "1250 ", "-1", "0", "65536", "99999999999", "utf-8"})
    EXPECT_THROW(ParseCodePageVariable(bad), InstallerError) << bad;
}

}  // namespace velmar::platform
