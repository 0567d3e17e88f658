#include "formats/pe_version.h"

#include <gtest/gtest.h>


#include "support/pe_image.h"

namespace velmar::platform {

namespace {

std::optional<VersionNumbers> VersionOf(const std::string& bytes) {
  return ReadPeFileVersion(AsBytes(bytes));
}

void Put32(std::string& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

// The four parts of both header kinds: the file contract, where the reader is
// also held against Windows.

TEST(PeVersion, FilesWithoutAVersionGiveNothing) {
  EXPECT_FALSE(VersionOf("[Setup]\r\nLanguage=44\r\n"));
  auto image = test::MakePeImage({{1, 2, 3, 4}});
  auto noSignature = image;
  noSignature[test::PeFixedInfoOffset] ^= 1;
  EXPECT_FALSE(VersionOf(noSignature));
  auto otherType = image;
  otherType[test::PeResourceOffset + 16] = 3;  // RT_ICON instead of RT_VERSION
  EXPECT_FALSE(VersionOf(otherType));
}

TEST(PeVersion, LyingOffsetsStayInsideTheFile) {
  const auto image = test::MakePeImage({{1, 2, 3, 4}});
  const size_t resources = test::PeResourceOffset;
  const struct {
    const char* what;
    size_t at;
    uint32_t value;
  } cases[] = {{"PE header", 0x3C, 0xFFFFFFF0u},
               {"subdirectory", resources + 20, 0x80000000u | 0x7FFFFFF0u},
               {"data", resources + 0x48, 0xFFFFFFF0u},
               {"data size", resources + 0x48 + 4, 0xFFFFFFFFu}};
  for (const auto& c : cases) {
    auto damaged = image;
    Put32(damaged, c.at, c.value);
    EXPECT_FALSE(VersionOf(damaged)) << c.what;
  }
  auto manyEntries = image;
  manyEntries[resources + 14] = manyEntries[resources + 15] = '\xFF';
  EXPECT_TRUE(VersionOf(manyEntries));  // the first entry still is the version
}

TEST(PeVersion, EveryTruncationIsRefused) {
  auto image = test::MakePeImage({{1, 2, 3, 4}});
  const size_t versionEnd = test::PeFixedInfoOffset + 52;  // the rest is padding
  for (size_t length = 0; length < versionEnd; ++length)
    EXPECT_FALSE(VersionOf(image.substr(0, length))) << length;
  EXPECT_TRUE(VersionOf(image.substr(0, versionEnd)));
}

}  // namespace velmar::platform
