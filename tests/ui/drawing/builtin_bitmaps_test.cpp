#include "ui/drawing/builtin_bitmaps.h"

#include <gtest/gtest.h>

#include "resources/builtin_bitmap_files.h"
#include "formats/bmp_format.h"

namespace velmar {

namespace {

using Px = std::array<uint8_t, 4>;
constexpr Px kOlive{128, 128, 0, 255};

velmar::Picture Builtin(const char* name) {
  const auto file = BuiltinBitmapFile(name);
  EXPECT_TRUE(file) << name;
  auto picture = file ? DecodeBmpFile(*file) : std::nullopt;
  EXPECT_TRUE(picture) << name;
  return picture.value_or(velmar::Picture{});
}

// Pixels of the columns [from, from + width) that are not the given colour.
int DrawnPixels(const velmar::Picture& p, int from, int width, Px transparent) {
  int drawn = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = from; x < from + width; ++x) drawn += p.pixel(x, y) != transparent;
  }
  return drawn;
}

}  // namespace

TEST(BuiltinBitmaps, TheSizeTableAgreesWithTheFiles) {
  EXPECT_EQ(BuiltinBitmapSize("logo34_about"), std::pair(160, 80));  // names without regard to case
  EXPECT_FALSE(BuiltinBitmapSize("LOGO34"));

  // Every bitmap in the table is built in, and nothing else is.
  EXPECT_EQ(kEmbeddedBitmapCount, BuiltinBitmaps().size());
  for (const auto& info : BuiltinBitmaps()) {
    const auto file = BuiltinBitmapFile(info.name);
    ASSERT_TRUE(file) << info.name;
    const auto size = BmpFileSize(*file);
    ASSERT_TRUE(size) << info.name;
    EXPECT_EQ(size->width, info.width) << info.name;
    EXPECT_EQ(size->height, info.height) << info.name;
  }
}

// A bitmap button or a transparent picture takes its key colour from the
// bottom-left pixel: olive for the glyphs; the logos leave every corner to it.
TEST(BuiltinBitmaps, GlyphsAndLogosAreTransparentWhereButtonsAndImagesLook) {
  for (const char* name :
       {"BTN_NEXT", "BTN_PREV", "BTN_CANCEL", "BTN_CHECK", "PICK_FOLDER", "LOGO34_SPLASH", "LOGO34_ABOUT"}) {
    const auto p = Builtin(name);
    const Px key = p.pixel(0, p.height - 1);
    if (std::string_view(name).starts_with("LOGO")) {
      EXPECT_EQ(p.pixel(0, 0), key) << name;
      EXPECT_EQ(p.pixel(p.width - 1, 0), key) << name;
      EXPECT_EQ(p.pixel(p.width - 1, p.height - 1), key) << name;
      EXPECT_GT(DrawnPixels(p, 0, p.width, key), p.width * p.height / 8) << name;
    } else {
      EXPECT_EQ(key, kOlive) << name;
      EXPECT_GT(DrawnPixels(p, 0, p.height, kOlive), 40) << name;
    }
  }
  // The tree's image list is masked with olive: 0 folder, 1 unused, 2 project, 3 archived project.
  const auto tree = Builtin("TREEVIEW_IMGS");
  EXPECT_EQ(DrawnPixels(tree, 16, 16, kOlive), 0);
  for (int i : {0, 2, 3}) {
    EXPECT_EQ(tree.pixel(i * 16, 15), kOlive) << i;
    EXPECT_GT(DrawnPixels(tree, i * 16, 16, kOlive), 60) << i;
  }
}

}  // namespace velmar
