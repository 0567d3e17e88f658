#include "ui/layout/dpi_scale.h"

#include <gtest/gtest.h>

namespace velmar::ui {
namespace {

TEST(DpiScale, LayoutsScaleByTheirEdges) {
  const struct {
    Rect designed;
    int dpi;
    Rect shown;
  } cases[] = {
      {{12, 8, 100, 13}, 96, {12, 8, 100, 13}},
      {{12, 8, 100, 13}, 120, {15, 10, 125, 16}},     // 16.25 down
      {{12, 8, 100, 13}, 144, {18, 12, 150, 20}},     // 19.5 up, as MulDiv rounds
      {{1, 1, 1, 1}, 144, {2, 2, 1, 1}},              // 1.5 and 3: edges, not sizes
      {{-10, -3, 20, 6}, 144, {-15, -5, 30, 10}},     // left of and above the page
      {{10, 10, 10, 10}, 0, {10, 10, 10, 10}},        // no DPI known: as designed
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleToDpi(c.designed, c.dpi), c.shown) << c.dpi << " dpi";
  EXPECT_EQ(ScaleToDpi(Size{500, 375}, 144), (Size{750, 563}));
}

TEST(DpiScale, ScreenSizesGoBackToTheDesignDpi) {
  EXPECT_EQ(ScaleFromDpi(Size{750, 563}, 144), (Size{500, 375}));
  EXPECT_EQ(ScaleFromDpi(-15, 144), -10);
  // The screen rounds up: a page as large as it covers every pixel scaled back.
  for (int dpi : {96, 120, 144, 168, 192}) {
    for (Size screen : {Size{1024, 768}, Size{1366, 768}, Size{1920, 1080}, Size{2559, 1439}}) {
      const Size design = ScreenAtDesignDpi(screen, dpi);
      const Size back = ScaleToDpi(design, dpi);
      EXPECT_GE(back.width, screen.width) << dpi;
      EXPECT_GE(back.height, screen.height) << dpi;
      EXPECT_LE(back.width, screen.width + 2) << dpi;
    }
  }
  EXPECT_EQ(ScreenAtDesignDpi({1366, 768}, 144), (Size{911, 512}));
}

}  // namespace
}  // namespace velmar::ui
