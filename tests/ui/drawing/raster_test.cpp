#include "ui/drawing/raster.h"

#include <gtest/gtest.h>

#include "formats/bmp_format.h"

namespace velmar::ui {
namespace {

velmar::Picture Filled(int width, int height, Colour colour) {
  velmar::Picture picture;
  picture.width = width;
  picture.height = height;
  picture.rgba.resize(size_t(width * height) * 4);
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    picture.rgba[i] = colour.red;
    picture.rgba[i + 1] = colour.green;
    picture.rgba[i + 2] = colour.blue;
    picture.rgba[i + 3] = 255;
  }
  return picture;
}

void Set(velmar::Picture& picture, int x, int y, Colour colour) {
  uint8_t* p = &picture.rgba[size_t((y * picture.width + x) * 4)];
  p[0] = colour.red;
  p[1] = colour.green;
  p[2] = colour.blue;
}

struct Canvas {
  explicit Canvas(int w, int h) : width(w), height(h), bytes(size_t(w * h * 4), 0) {}
  PixelView View() { return {width, height, bytes.data()}; }
  Colour At(int x, int y) const {
    const uint8_t* p = &bytes[size_t((y * width + x) * 4)];
    return {p[2], p[1], p[0]};
  }
  int width, height;
  std::vector<uint8_t> bytes;
};

constexpr Colour Olive{128, 128, 0};

TEST(Raster, PicturesAreClippedScaledAndLeaveOutTheTransparentColour) {
  auto picture = Filled(2, 2, colours::Red);
  Set(picture, 1, 0, Olive);
  Canvas canvas(3, 3);
  DrawPicture(canvas.View(), picture, {1, 1, 2, 2}, Olive);
  EXPECT_EQ(canvas.At(1, 1), colours::Red);
  EXPECT_EQ(canvas.At(2, 1), colours::Black);  // transparent: left as it was
  EXPECT_EQ(canvas.At(2, 2), colours::Red);

  Canvas scaled(4, 4);
  DrawPicture(scaled.View(), picture, {-2, 0, 8, 4});  // twice the size, half of it off the left edge
  EXPECT_EQ(scaled.At(0, 0), colours::Red);
  EXPECT_EQ(scaled.At(2, 0), Olive);
  EXPECT_EQ(scaled.At(3, 3), colours::Red);

  DrawPicture(scaled.View(), picture, {0, 0, 0, 4});  // nothing to draw into: no effect
  DrawPicture(scaled.View(), picture, {10, 10, 2, 2});
}

TEST(Raster, ScaledPicturesAverageWhatEachPixelCovers) {
  auto picture = Filled(2, 1, colours::White);
  Set(picture, 1, 0, colours::Black);
  // Three pixels over two: the middle one is half white, half black.
  auto wider = ScaledPicture(picture, {3, 1});
  ASSERT_EQ(wider.width, 3);
  EXPECT_EQ(wider.pixel(0, 0)[0], 255);
  EXPECT_EQ(wider.pixel(1, 0)[0], 128);
  EXPECT_EQ(wider.pixel(2, 0)[0], 0);
  auto twice = ScaledPicture(picture, {4, 2});
  EXPECT_EQ(twice.pixel(1, 1)[0], 255);
  EXPECT_EQ(twice.pixel(2, 0)[0], 0);

  // The transparent colour is never mixed in: an edge pixel keeps the
  // glyph's colour, or is transparent when the glyph covers less than half.
  auto glyph = Filled(3, 1, Olive);
  Set(glyph, 0, 0, colours::Red);
  auto edge = ScaledPicture(glyph, {2, 1}, Olive);  // covers 1.5 pixels each
  EXPECT_EQ(edge.pixel(0, 0)[0], 255);
  EXPECT_EQ(edge.pixel(0, 0)[1], 0);
  EXPECT_EQ(edge.pixel(1, 0)[0], Olive.red);
  EXPECT_EQ(edge.pixel(1, 0)[1], Olive.green);

  EXPECT_EQ(ScaledPicture(picture, {0, 4}).width, 0);
  EXPECT_EQ(ScaledPicture(velmar::Picture{}, {4, 4}).width, 0);
}

TEST(Raster, GreyedGlyphIsEngravedOnlyWhereTheGlyphIsDark) {
  auto glyph = Filled(3, 3, Olive);
  Set(glyph, 0, 0, colours::Black);
  Set(glyph, 1, 0, colours::White);  // light: left out
  Set(glyph, 2, 2, colours::Navy);   // at the corner: its highlight falls outside
  Colour shadow = colours::Grey, highlight = colours::White;
  auto greyed = GreyedGlyph(glyph, Olive, shadow, highlight);
  auto at = [&](int x, int y) {
    auto p = greyed.pixel(x, y);
    return Colour{p[0], p[1], p[2]};
  };
  EXPECT_EQ(at(0, 0), shadow);
  EXPECT_EQ(at(1, 1), highlight);
  EXPECT_EQ(at(1, 0), Olive);
  EXPECT_EQ(at(2, 2), shadow);
  EXPECT_EQ(at(0, 2), Olive);
  EXPECT_EQ(BottomLeftColour(velmar::Picture{}), colours::Black);  // no pixels: no key, no crash
}

TEST(Raster, BmpFilesReadBackWithPaddedRows) {
  Canvas canvas(3, 2);  // 9 bytes a row: 3 bytes of padding
  for (int i = 0; i < 6; ++i) {
    canvas.bytes[size_t(i * 4)] = uint8_t(i * 40);  // blue
    canvas.bytes[size_t(i * 4 + 2)] = uint8_t(250 - i);  // red
  }
  auto file = EncodeBmp(3, 2, canvas.bytes.data());
  EXPECT_EQ(file.size(), 54u + 24u);
  auto decoded = DecodeBmpFile(file);
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->width, 3);
  ASSERT_EQ(decoded->height, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      auto p = decoded->pixel(x, y);
      EXPECT_EQ((Colour{p[0], p[1], p[2]}), canvas.At(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace velmar::ui
