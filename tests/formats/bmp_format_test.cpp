#include "formats/bmp_format.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/bmp_builder.h"

namespace velmar {

namespace {

using test::BmpShape;
using test::MakeBmp;
using Px = std::array<uint8_t, 4>;

constexpr Px kBlack{0, 0, 0, 255}, kWhite{255, 255, 255, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255},
    kBlue{0, 0, 255, 255};

template <class Change>
BmpShape Shape(Change change) {
  BmpShape s;
  change(s);
  return s;
}

BmpShape TwoByTwo24(bool topDown) {
  return Shape([&](BmpShape& s) {
    s.width = 2, s.height = topDown ? -2 : 2;
    // Stored rows: blue-green then red-white, each padded to 8 bytes.
    s.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
  });
}

}  // namespace

TEST(BmpFormat, EveryStoredFormDecodes) {
  struct At { int x, y; Px px; };
  const std::vector<At> twoByTwo = {{0, 1, kBlue}, {1, 1, kGreen}, {0, 0, kRed}, {1, 0, kWhite}};
  const struct {
    const char* what;
    BmpShape shape;
    std::vector<At> expected;
  } cases[] = {
      {"1 bit, bottom row first", Shape([](BmpShape& s) {
         s.width = 3, s.height = 2, s.bitsPerPixel = 1, s.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
         s.pixels = {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0};
       }),
       {{0, 0, kBlack}, {1, 0, kWhite}, {0, 1, kWhite}, {2, 1, kWhite}}},
      {"4 bits, a short colour table and an index past its end", Shape([](BmpShape& s) {
         s.width = 3, s.bitsPerPixel = 4, s.colorsUsed = 3, s.pixels = {0x21, 0x50, 0, 0};
         s.palette = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}};
       }),
       {{0, 0, kBlue}, {1, 0, kGreen}, {2, 0, kBlack}}},
      {"24 bits bottom-up", TwoByTwo24(false), twoByTwo},
      {"24 bits top-down", TwoByTwo24(true), {{0, 0, kBlue}, {1, 0, kGreen}, {0, 1, kRed}, {1, 1, kWhite}}},
      {"16 bits 5-6-5", Shape([](BmpShape& s) {
         s.width = 2, s.bitsPerPixel = 16, s.compression = 3;
         s.masks = {0xF800, 0x07E0, 0x001F}, s.pixels = {0x00, 0xF8, 0xE0, 0x07};
       }),
       {{0, 0, kRed}, {1, 0, kGreen}}},
      {"plain 32 bits: the fourth byte is not alpha",
       Shape([](BmpShape& s) { s.bitsPerPixel = 32, s.pixels = {10, 20, 30, 0}; }), {{0, 0, Px{30, 20, 10, 255}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto bytes = MakeBmp(c.shape);
    const auto p = DecodeBmpFile(bytes);
    ASSERT_TRUE(p);
    for (const At& at : c.expected) EXPECT_EQ(p->pixel(at.x, at.y), at.px) << at.x << "," << at.y;
  }
}

TEST(BmpFormat, HostileHeadersAreRefused) {
  auto refused = [](auto change) {
    BmpShape s = TwoByTwo24(false);
    change(s);
    const auto file = MakeBmp(s);
    return !DecodeBmpFile(file) && !BmpFileComplete(file);
  };
  EXPECT_TRUE(refused([](BmpShape& s) { s.width = -2; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.height = 0; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.height = INT32_MIN; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.width = 20000; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.width = s.height = 8000; }));  // 64 million pixels
  EXPECT_TRUE(refused([](BmpShape& s) { s.bitsPerPixel = 7; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.compression = 1; }));  // run-length coded
  EXPECT_TRUE(refused([](BmpShape& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; }));  // 24-bit
  EXPECT_TRUE(refused([](BmpShape& s) { s.bitsPerPixel = 32; s.compression = 3; s.masks = {0, 0, 0}; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.headerSize = 200; }));
  EXPECT_TRUE(refused([](BmpShape& s) { s.pixelOffset = 20; }));     // inside the info header
  EXPECT_TRUE(refused([](BmpShape& s) { s.pixels.pop_back(); }));    // last row cut short
  EXPECT_TRUE(refused([](BmpShape& s) { s.bitsPerPixel = 8, s.pixels.clear(); }));  // colour table past the end
  EXPECT_FALSE(DecodeBmpFile(std::vector<uint8_t>{'B', 'M'}));
  EXPECT_FALSE(DecodeDib({}));
}

TEST(BmpFormat, EveryCutOffFileFailsWithoutReadingPastTheEnd) {
  BmpShape s;
  s.width = 5, s.height = 3, s.bitsPerPixel = 8;
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
