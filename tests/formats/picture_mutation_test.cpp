// Damaged headers by the thousand: the parsers must refuse or succeed, never
// read outside the data (run under a sanitizer to see that).

#include <gtest/gtest.h>

#include <random>

#include "resources/builtin_bitmap_files.h"
#include "formats/bmp_format.h"
#include "formats/picture_header.h"
#include "support/shell_ports.h"

namespace velmar {

TEST(PictureMutation, DamagedBmpAndJpegHeadersNeverReadOutsideTheData) {
  const auto bmpFile = BuiltinBitmapFile("TREEVIEW_IMGS");
  ASSERT_TRUE(bmpFile);
  const std::vector<uint8_t> bmp(bmpFile->begin(), bmpFile->end());
  const std::string logo = test::ReadTestData("kravocr.jpg");
  const std::vector<uint8_t> jpeg(logo.begin(), logo.end());
  // Changes one to four bytes among the first `span` bytes, the same way every run.
  std::mt19937 random(12345);
  const auto mutate = [&](std::vector<uint8_t> copy, size_t span) {
    for (int changes = 1 + random() % 4; changes > 0; --changes)
      copy[random() % std::min(span, copy.size())] = static_cast<uint8_t>(random());
    if (random() % 8 == 0) copy.resize(random() % copy.size());
    return copy;
  };
  int decoded = 0;
  for (int round = 0; round < 3000; ++round) {
    const auto b = mutate(bmp, 70);
    if (const auto p = DecodeBmpFile(b)) {
      EXPECT_EQ(p->rgba.size(), size_t(p->width) * p->height * 4);
      ++decoded;
    }
    PictureSizeFromHeader(b);
    DecodeDib(std::span<const uint8_t>(b).subspan(std::min<size_t>(14, b.size())));

    const auto j = mutate(jpeg, 700);
    PictureSizeFromHeader(j);
    CheckPictureFile(j);
  }
  EXPECT_GT(decoded, 0);  // some changes leave a readable picture
}

}  // namespace velmar
