#include "ui/drawing/gradient.h"

#include <gtest/gtest.h>

namespace velmar::ui {
namespace {

// Every row of the area belongs to exactly one band, and the bands run from
// the bottom (first band) to the top (last band).
void ExpectBottomToTopTiling(const std::vector<GradientBand>& bands, Size area) {
  int bottom = area.height;
  for (const auto& band : bands) {
    EXPECT_EQ(band.rect.left, 0);
    EXPECT_EQ(band.rect.width, area.width);
    EXPECT_GE(band.rect.height, 0);
    EXPECT_EQ(band.rect.bottom(), bottom);
    bottom = band.rect.top;
  }
  EXPECT_EQ(bottom, 0);
}

TEST(Gradient, BlueAtTheBottomFadesToBlackAtTheTopAndOddSizesStillTileExactly) {
  auto bands = GradientBands({1024, 768}, colours::Blue, colours::Black, FillDirection::BottomToTop, 128);
  ASSERT_EQ(bands.size(), 128u);
  EXPECT_EQ(bands.front().colour, colours::Blue);
  EXPECT_EQ(bands.back().colour, colours::Black);
  ExpectBottomToTopTiling(bands, {1024, 768});
  for (size_t i = 1; i < bands.size(); ++i) {
    EXPECT_LT(bands[i].colour.blue, bands[i - 1].colour.blue);  // strictly darker, no two bands alike
    EXPECT_EQ(bands[i].colour.red + bands[i].colour.green, 0);
  }
  for (Size area : {Size{640, 479}, Size{5, 10}, Size{3, 0}}) {
    SCOPED_TRACE(std::to_string(area.width) + "x" + std::to_string(area.height));
    bands = GradientBands(area, colours::Blue, colours::Black, FillDirection::BottomToTop, 16);
    ASSERT_EQ(bands.size(), 16u);
    ExpectBottomToTopTiling(bands, area);
  }
}

TEST(Gradient, NoBandCountIsOneBand) {
  auto one = GradientBands({10, 10}, colours::Blue, colours::Black, FillDirection::BottomToTop, 0);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], (GradientBand{{0, 0, 10, 10}, colours::Blue}));
}

}  // namespace
}  // namespace velmar::ui
