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

// Pixels of the square image `index` of a strip that are not the given colour.
int DrawnPixels(const velmar::Picture& p, int index, Px transparent) {
  int drawn = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = index * p.height; x < (index + 1) * p.height; ++x) drawn += p.pixel(x, y) != transparent;
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

TEST(BuiltinBitmaps, GlyphsAreTransparentWhereButtonsAndImageListsLook) {
  // A bitmap button takes its transparent colour from the bottom-left pixel.
  for (const char* name : {"BTN_NEXT", "BTN_PREV", "BTN_CANCEL", "BTN_CHECK", "PICK_FOLDER"}) {
    const auto p = Builtin(name);
    EXPECT_EQ(p.pixel(0, p.height - 1), kOlive) << name;
    EXPECT_GT(DrawnPixels(p, 0, kOlive), 40) << name;
  }
  // The tree's image list is masked with olive: 0 folder, 1 unused, 2 project, 3 archived project.
  const auto tree = Builtin("TREEVIEW_IMGS");
  EXPECT_EQ(DrawnPixels(tree, 1, kOlive), 0);
  for (int i : {0, 2, 3}) {
    EXPECT_EQ(tree.pixel(i * 16, 15), kOlive) << i;
    EXPECT_GT(DrawnPixels(tree, i, kOlive), 60) << i;
  }
}

TEST(BuiltinBitmaps, TransparentLogosHaveTheirKeyColourRoundTheEdge) {
  // A transparent picture takes its key from the bottom-left pixel; the logo
  // leaves every corner to that key.
  for (const char* name : {"LOGO34_SPLASH", "LOGO34_ABOUT"}) {
    const auto p = Builtin(name);
    const Px key = p.pixel(0, p.height - 1);
    EXPECT_EQ(p.pixel(0, 0), key) << name;
    EXPECT_EQ(p.pixel(p.width - 1, 0), key) << name;
    EXPECT_EQ(p.pixel(p.width - 1, p.height - 1), key) << name;
    int drawn = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) drawn += p.pixel(x, y) != key;
    }
    EXPECT_GT(drawn, p.width * p.height / 8) << name;
  }
}

}  // namespace velmar
