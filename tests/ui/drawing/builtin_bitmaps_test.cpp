#include "ui/drawing/builtin_bitmaps.h"

#include <gtest/gtest.h>

#include "resources/builtin_bitmap_files.h"
#include "formats/bmp_format.h"

namespace velmar {

TEST(BuiltinBitmaps, TheSizeTableAgreesWithTheFiles) {
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

}  // namespace velmar
