#include "formats/picture_header.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/fixture/shell_ports.h"

namespace velmar {

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Segment(uint8_t marker, const Bytes& payload) {
  const size_t length = payload.size() + 2;
  Bytes out{0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)};
  for (uint8_t b : payload) out.push_back(b);
  return out;
}

Bytes FrameHeader(uint8_t marker, int width, int height) {
  return Segment(marker, {8, static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height),
                          static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width), 1, 1, 0x11, 0});
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const Bytes kSoi{0xFF, 0xD8}, kEoi{0xFF, 0xD9};

}  // namespace

TEST(PictureHeader, JpegSizeFromAnyFrameHeaderButNotFromLookalikes) {
  // An application segment whose payload holds the bytes of a frame marker, a
  // Huffman table (0xC4), an arithmetic table (0xCC) and fill bytes come first.
  const Bytes file = Join({kSoi, Segment(0xE0, {0xFF, 0xC0, 0x00, 0x11, 8, 0, 1, 0, 1}), Segment(0xC4, {0, 1, 2}),
                           Segment(0xCC, {1}), {0xFF, 0xFF}, FrameHeader(0xC2, 640, 480)});
  const auto size = PictureSizeFromHeader(file);
  ASSERT_TRUE(size);
  EXPECT_EQ(std::tuple(size->format, size->width, size->height), std::tuple(PictureFormat::Jpeg, 640, 480));

  EXPECT_FALSE(PictureSizeFromHeader(Join({kSoi, Segment(0xC8, {8, 0, 4, 0, 3, 1}), kEoi})));  // JPG extension
  EXPECT_FALSE(PictureSizeFromHeader(Join({kSoi, FrameHeader(0xC0, 0, 4)})));      // no width
  EXPECT_FALSE(PictureSizeFromHeader(Join({kSoi, FrameHeader(0xC0, 4, 0)})));      // height from a later marker
  EXPECT_FALSE(PictureSizeFromHeader(Join({kSoi, FrameHeader(0xC0, 65535, 65535)})));  // too big
  const Bytes frame = Join({kSoi, FrameHeader(0xC0, 3, 4)});
  EXPECT_FALSE(PictureSizeFromHeader(Bytes(frame.begin(), frame.end() - 4)));       // segment runs past the end
  EXPECT_FALSE(PictureSizeFromHeader(Join({kSoi, {0xFF, 0xE0, 0x00, 0x01}, FrameHeader(0xC0, 3, 4)})));  // length 1
  EXPECT_FALSE(PictureSizeFromHeader(Bytes{'G', 'I', 'F', '8', '9', 'a'}));
}

TEST(PictureHeader, WholeJpegMustReachItsEndMarker) {
  // Entropy-coded data may hold stuffed 0xFF 0x00 and restart markers; the end
  // marker after it completes the file.
  const Bytes scan = Join({Segment(0xDA, {1, 1, 0, 0, 63, 0}), {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56}});
  const Bytes file = Join({kSoi, FrameHeader(0xC0, 8, 8), Segment(0xC4, {0}), scan, kEoi});
  ASSERT_TRUE(CheckPictureFile(file));
  for (size_t n = 0; n < file.size(); ++n) {
    EXPECT_FALSE(CheckPictureFile(Bytes(file.begin(), file.begin() + n))) << n;
  }
  // Progressive files have several scans with tables between them.
  EXPECT_TRUE(CheckPictureFile(Join({kSoi, FrameHeader(0xC2, 8, 8), scan, Segment(0xC4, {0}), scan, kEoi})));
  EXPECT_FALSE(CheckPictureFile(Join({kSoi, FrameHeader(0xC0, 8, 8), kEoi})));  // no scan at all
  EXPECT_FALSE(CheckPictureFile(Join({kSoi, scan, FrameHeader(0xC0, 8, 8), kEoi})));  // scan before the frame
  EXPECT_FALSE(CheckPictureFile(Join({kSoi, FrameHeader(0xC0, 8, 8), FrameHeader(0xC0, 9, 9), scan, kEoi})));

  const std::string logo = test::ReadTestData("kravocr.jpg");  // the maker's logo
  const Bytes real(logo.begin(), logo.end());
  const auto size = CheckPictureFile(real);
  ASSERT_TRUE(size);
  EXPECT_EQ(std::pair(size->width, size->height), std::pair(120, 60));
  EXPECT_FALSE(CheckPictureFile(Bytes(real.begin(), real.end() - 2)));
}

}  // namespace velmar
