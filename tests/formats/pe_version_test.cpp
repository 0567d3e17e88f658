#include "formats/pe_version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

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

TEST(PeVersion, ReadsTheFourPartsFromBothHeaderKinds) {
  for (bool plus : {true, false}) {
    auto image = test::MakePeImage({{3, 4, 10, 65535}, plus});
    auto version = VersionOf(image);
    ASSERT_TRUE(version) << plus;
    EXPECT_EQ(version->major, 3);
    EXPECT_EQ(version->minor, 4);
    EXPECT_EQ(version->release, 10);
    EXPECT_EQ(version->build, 65535);
  }
}

TEST(PeVersion, FilesWithoutAVersionGiveNothing) {
  EXPECT_FALSE(VersionOf(""));
  EXPECT_FALSE(VersionOf("MZ"));
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
  auto image = test::MakePeImage({{1, 2, 3, 4}});
  auto farHeader = image;
  Put32(farHeader, 0x3C, 0xFFFFFFF0u);
  EXPECT_FALSE(VersionOf(farHeader));
  auto farDirectory = image;
  Put32(farDirectory, test::PeResourceOffset + 20, 0x80000000u | 0x7FFFFFF0u);
  EXPECT_FALSE(VersionOf(farDirectory));
  auto farData = image;
  Put32(farData, test::PeResourceOffset + 0x48, 0xFFFFFFF0u);
  EXPECT_FALSE(VersionOf(farData));
  auto hugeSize = image;
  Put32(hugeSize, test::PeResourceOffset + 0x48 + 4, 0xFFFFFFFFu);
  EXPECT_FALSE(VersionOf(hugeSize));
  auto manyEntries = image;
  manyEntries[test::PeResourceOffset + 14] = '\xFF';
  manyEntries[test::PeResourceOffset + 15] = '\xFF';
  EXPECT_TRUE(VersionOf(manyEntries));  // the first entry still is the version
}

TEST(PeVersion, EveryTruncationAndRandomDamageIsSafe) {
  auto image = test::MakePeImage({{1, 2, 3, 4}});
  const size_t versionEnd = test::PeFixedInfoOffset + 52;  // the rest is padding
  for (size_t length = 0; length < versionEnd; ++length)
    EXPECT_FALSE(VersionOf(image.substr(0, length))) << length;
  EXPECT_TRUE(VersionOf(image.substr(0, versionEnd)));
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    auto damaged = image;
    for (int flips = 0; flips < 4; ++flips)
      damaged[random() % damaged.size()] = static_cast<char>(random());
    VersionOf(damaged);  // must neither crash nor read outside
  }
}

}  // namespace velmar::platform
