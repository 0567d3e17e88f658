#include "ui/drawing/raster.h"

#include <gtest/gtest.h>

namespace velmar::ui {
namespace {

constexpr Colour Olive{128, 128, 0};

// A picture of the given colours, row by row.
velmar::Picture Pixels(int width, std::initializer_list<Colour> colours) {
  velmar::Picture picture;
  picture.width = width;
  picture.height = int(colours.size()) / width;
  for (Colour c : colours) picture.rgba.insert(picture.rgba.end(), {c.red, c.green, c.blue, 255});
  return picture;
}

Colour At(const velmar::Picture& picture, int x, int y) {
  auto p = picture.pixel(x, y);
  return {p[0], p[1], p[2]};
}

struct Canvas {
  explicit Canvas(int w, int h) : width(w), bytes(size_t(w * h * 4), 0) { view = {w, h, bytes.data()}; }
  Colour At(int x, int y) const {
    const uint8_t* p = &bytes[size_t((y * width + x) * 4)];
    return {p[2], p[1], p[0]};
  }
  int width;
  std::vector<uint8_t> bytes;
  PixelView view;
};

TEST(Raster, PicturesAreClippedScaledAndLeaveOutTheTransparentColour) {
  const auto picture = Pixels(2, {colours::Red, Olive, colours::Red, colours::Red});
  Canvas canvas(3, 3);
  DrawPicture(canvas.view, picture, {1, 1, 2, 2}, Olive);
  EXPECT_EQ(canvas.At(1, 1), colours::Red);
  EXPECT_EQ(canvas.At(2, 1), colours::Black);  // transparent: left as it was
  EXPECT_EQ(canvas.At(2, 2), colours::Red);

  Canvas scaled(4, 4);
  DrawPicture(scaled.view, picture, {-2, 0, 8, 4});  // twice the size, half of it off the left edge
  EXPECT_EQ(scaled.At(0, 0), colours::Red);
  EXPECT_EQ(scaled.At(2, 0), Olive);
  DrawPicture(scaled.view, picture, {0, 0, 0, 4});  // nothing to draw into: no effect
  DrawPicture(scaled.view, picture, {10, 10, 2, 2});
}

TEST(Raster, ScaledGlyphsNeverMixInTheTransparentColour) {
  const auto picture = Pixels(2, {colours::White, colours::Black});
  // An edge pixel keeps the glyph's colour, or is transparent when the glyph covers less than half.
  const auto edge = ScaledPicture(Pixels(3, {colours::Red, Olive, Olive}), {2, 1}, Olive);
  EXPECT_EQ(At(edge, 0, 0), colours::Red);
  EXPECT_EQ(At(edge, 1, 0), Olive);
  EXPECT_EQ(ScaledPicture(picture, {0, 4}).width, 0);
  EXPECT_EQ(ScaledPicture(velmar::Picture{}, {4, 4}).width, 0);
  EXPECT_EQ(BottomLeftColour(velmar::Picture{}), colours::Black);  // no pixels: no key, no crash
}

}  // namespace
}  // namespace velmar::ui
