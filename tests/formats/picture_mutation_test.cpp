// Damaged headers by the thousand: the parsers must refuse or succeed, never
// read outside the data (run under a sanitizer to see that).

#include <gtest/gtest.h>

#include "resources/builtin_bitmap_files.h"
#include "formats/bmp_format.h"
#include "formats/picture_header.h"
#include "support/shell_ports.h"

namespace velmar {

namespace {

// Changes one to four bytes among the first `span` bytes, the same way every run.
class Mutator {
 public:
  std::vector<uint8_t> mutate(const std::vector<uint8_t>& original, size_t span) {
    auto copy = original;
    const int changes = 1 + next() % 4;
    for (int i = 0; i < changes; ++i) copy[next() % std::min(span, copy.size())] = static_cast<uint8_t>(next());
    if (next() % 8 == 0) copy.resize(next() % copy.size());
    return copy;
  }

 private:
  uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  uint32_t state_ = 12345;
};

}  // namespace

TEST(PictureMutation, DamagedBmpAndJpegHeadersNeverReadOutsideTheData) {
  const auto bmpFile = BuiltinBitmapFile("TREEVIEW_IMGS");
  ASSERT_TRUE(bmpFile);
  const std::vector<uint8_t> bmp(bmpFile->begin(), bmpFile->end());
  const std::string logo = test::ReadTestData("kravocr.jpg");
  const std::vector<uint8_t> jpeg(logo.begin(), logo.end());
  Mutator m;
  int decoded = 0;
  for (int round = 0; round < 3000; ++round) {
    const auto b = m.mutate(bmp, 70);
    if (const auto p = DecodeBmpFile(b)) {
      EXPECT_EQ(p->rgba.size(), size_t(p->width) * p->height * 4);
      ++decoded;
    }
    PictureSizeFromHeader(b);
    DecodeDib(std::span<const uint8_t>(b).subspan(std::min<size_t>(14, b.size())));

    const auto j = m.mutate(jpeg, 700);
    PictureSizeFromHeader(j);
    CheckPictureFile(j);
  }
  EXPECT_GT(decoded, 0);  // some changes leave a readable picture
}

}  // namespace velmar
