#include "formats/bmp_format.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/bmp_builder.h"

namespace velmar {

namespace {

using test::BmpSpec;
using test::MakeBmp;
using Px = std::array<uint8_t, 4>;

constexpr Px kBlack{0, 0, 0, 255}, kWhite{255, 255, 255, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255},
    kBlue{0, 0, 255, 255};

BmpSpec TwoByTwo24(bool topDown) {
  BmpSpec s;
  s.width = 2;
  s.height = topDown ? -2 : 2;
  // Stored rows: blue-green then red-white, each padded to 8 bytes.
  s.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
  return s;
}

}  // namespace

TEST(BmpFormat, PalettedBitmapsOfOneFourAndEightBits) {
  BmpSpec one;
  one.width = 3;
  one.height = 2;
  one.bitsPerPixel = 1;
  one.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  one.pixels = {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0};  // bottom row first
  auto p = DecodeBmpFile(MakeBmp(one));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kBlack);
  EXPECT_EQ(p->pixel(1, 0), kWhite);
  EXPECT_EQ(p->pixel(0, 1), kWhite);
  EXPECT_EQ(p->pixel(2, 1), kWhite);

  // Four bits, a short colour table, and an index past its end.
  BmpSpec four;
  four.width = 3;
  four.bitsPerPixel = 4;
  four.colorsUsed = 3;
  four.palette = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}};
  four.pixels = {0x21, 0x50, 0, 0};
  p = DecodeBmpFile(MakeBmp(four));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kBlue);
  EXPECT_EQ(p->pixel(1, 0), kGreen);
  EXPECT_EQ(p->pixel(2, 0), kBlack);

  // Eight bits in the old 12-byte header with three-byte colours.
  BmpSpec core;
  core.headerSize = 12;
  core.width = 2;
  core.bitsPerPixel = 8;
  core.palette.assign(256, {0, 0, 0, 0});
  core.palette[7] = {0, 0, 255, 0};
  core.pixels = {7, 0, 0, 0};
  p = DecodeBmpFile(MakeBmp(core));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kRed);
  EXPECT_EQ(p->pixel(1, 0), kBlack);
}

TEST(BmpFormat, TrueColourRowOrderMasksAndAlpha) {
  for (bool topDown : {false, true}) {
    auto p = DecodeBmpFile(MakeBmp(TwoByTwo24(topDown)));
    ASSERT_TRUE(p);
    const int blueRow = topDown ? 0 : 1;  // the first stored row is the bottom one unless top-down
    EXPECT_EQ(p->pixel(0, blueRow), kBlue);
    EXPECT_EQ(p->pixel(1, blueRow), kGreen);
    EXPECT_EQ(p->pixel(0, 1 - blueRow), kRed);
    EXPECT_EQ(p->pixel(1, 1 - blueRow), kWhite);
  }

  BmpSpec rgb555;
  rgb555.width = 2;
  rgb555.bitsPerPixel = 16;
  rgb555.pixels = {0x00, 0x7C, 0x1F, 0x00};
  auto p = DecodeBmpFile(MakeBmp(rgb555));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kRed);
  EXPECT_EQ(p->pixel(1, 0), kBlue);

  BmpSpec rgb565 = rgb555;
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = {0x00, 0xF8, 0xE0, 0x07};
  p = DecodeBmpFile(MakeBmp(rgb565));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kRed);
  EXPECT_EQ(p->pixel(1, 0), kGreen);

  // Plain 32 bits: the fourth byte is not alpha.
  BmpSpec x8r8g8b8;
  x8r8g8b8.bitsPerPixel = 32;
  x8r8g8b8.pixels = {10, 20, 30, 0};
  p = DecodeBmpFile(MakeBmp(x8r8g8b8));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), (Px{30, 20, 10, 255}));

  // A version 4 header with an alpha mask.
  BmpSpec v4 = x8r8g8b8;
  v4.headerSize = 108;
  v4.compression = 3;
  v4.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  v4.pixels = {10, 20, 30, 128};
  p = DecodeBmpFile(MakeBmp(v4));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), (Px{30, 20, 10, 128}));
}

TEST(BmpFormat, ResourceBitmapsWithoutFileHeader) {
  BmpSpec dib = TwoByTwo24(false);
  dib.fileHeader = false;
  const auto fromDib = DecodeDib(MakeBmp(dib));
  const auto fromFile = DecodeBmpFile(MakeBmp(TwoByTwo24(false)));
  ASSERT_TRUE(fromDib && fromFile);
  EXPECT_EQ(fromDib->rgba, fromFile->rgba);

  // Masks after a 40-byte header come before the pixels.
  BmpSpec masked;
  masked.fileHeader = false;
  masked.bitsPerPixel = 16;
  masked.compression = 3;
  masked.masks = {0xF800, 0x07E0, 0x001F};
  masked.pixels = {0xE0, 0x07, 0, 0};
  const auto p = DecodeDib(MakeBmp(masked));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixel(0, 0), kGreen);
}

TEST(BmpFormat, HostileHeadersAreRefused) {
  auto refused = [](auto change) {
    BmpSpec s = TwoByTwo24(false);
    change(s);
    const auto file = MakeBmp(s);
    return !DecodeBmpFile(file) && !BmpFileComplete(file);
  };
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = 0; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = -2; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.height = 0; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.height = INT32_MIN; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = 20000; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = s.height = 8000; }));  // 64 million pixels
  EXPECT_TRUE(refused([](BmpSpec& s) { s.bitsPerPixel = 7; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.planes = 2; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.compression = 1; }));  // run-length coded
  EXPECT_TRUE(refused([](BmpSpec& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; }));  // 24-bit
  EXPECT_TRUE(refused([](BmpSpec& s) { s.bitsPerPixel = 32; s.compression = 3; s.masks = {0, 0, 0}; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.headerSize = 200; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.pixelOffset = 0; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.pixelOffset = 20; }));     // inside the info header
  EXPECT_TRUE(refused([](BmpSpec& s) { s.pixelOffset = 50000; }));  // past the end
  EXPECT_TRUE(refused([](BmpSpec& s) { s.pixels.pop_back(); }));    // last row cut short
  EXPECT_TRUE(refused([](BmpSpec& s) {  // colour table past the end of the file
    s.bitsPerPixel = 8;
    s.pixels.clear();
  }));
  EXPECT_FALSE(DecodeBmpFile(std::vector<uint8_t>{'B', 'M'}));
  EXPECT_FALSE(DecodeDib({}));
}

TEST(BmpFormat, EveryCutOffFileFailsWithoutReadingPastTheEnd) {
  BmpSpec s;
  s.width = 5;
  s.height = 3;
  s.bitsPerPixel = 8;
  s.palette.assign(256, {1, 2, 3, 0});
  s.pixels.assign(8 * 3, 9);
  const auto file = MakeBmp(s);
  ASSERT_TRUE(DecodeBmpFile(file));
  for (size_t n = 0; n < file.size(); ++n) {
    // A copy of exactly n bytes, so that a read past its end is caught by tools.
    const std::vector<uint8_t> cut(file.begin(), file.begin() + n);
    EXPECT_FALSE(DecodeBmpFile(cut)) << n;
    EXPECT_EQ(BmpFileSize(cut).has_value(), n >= 54) << n;  // the size needs only the headers
  }
}

}  // namespace velmar
