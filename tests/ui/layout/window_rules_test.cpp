#include "ui/layout/window_rules.h"

#include <gtest/gtest.h>

#include "ui/controls.h"

namespace velmar::ui {
namespace {

TEST(WindowRules, FontHeightsRoundLikeMulDiv) {
  EXPECT_EQ(FontHeightForPoints(8, 96), -11);  // 10.67
  EXPECT_EQ(FontHeightForPoints(3, 12), -1);    // 0.5 rounds up
  EXPECT_EQ(FontHeightForPoints(0, 96), 0);
}

TEST(WindowRules, AnchorsKeepTheDistancesToTheirEdges) {
  Size before{600, 400}, after{700, 350};
  Rect r{10, 20, 100, 50};
  EXPECT_EQ(Anchored(r, anchor::Right | anchor::Bottom, before, after), (Rect{110, -30, 100, 50}));
  EXPECT_EQ(Anchored(r, anchor::All, before, after), (Rect{10, 20, 200, 0}));
  EXPECT_EQ(Anchored(r, anchor::All, before, {500, 300}), (Rect{10, 20, 0, 0}));  // never below zero
  // No anchor on an axis: the centre keeps its share of the page.
  EXPECT_EQ(Anchored({250, 0, 100, 10}, anchor::Top, before, {1200, 400}), (Rect{550, 0, 100, 10}));
}

TEST(WindowRules, RadioGroupFillsColumnsTopToBottom) {
  auto twoColumns = RadioGroupItems({210, 60}, 3, 2, 13);
  ASSERT_EQ(twoColumns.size(), 3u);
  EXPECT_EQ(twoColumns[1], (Rect{8, 35, 100, 21}));  // 42 pixels of room: 21 a row
  EXPECT_EQ(twoColumns[2], (Rect{108, 14, 100, 21}));

  EXPECT_EQ(RadioGroupItems({100, 50}, 2, 5, 13).size(), 2u);  // more columns than items
  EXPECT_TRUE(RadioGroupItems({100, 50}, 0, 1, 13).empty());
  EXPECT_EQ(RadioGroupItems({10, 5}, 2, 1, 13)[1].height, 0);  // too small: no room, no crash
}

TEST(WindowRules, AFocusedMemoLeavesEnterAndEscapeToItsWindow) {
  EXPECT_EQ(RouteKey(Key::Enter, false, false), KeyRoute::PressKey);
  EXPECT_EQ(RouteKey(Key::Escape, false, true), KeyRoute::PreviewThenWindow);
}

TEST(WindowRules, ToAllAnswersNeedABoxOfOurOwn) {
  EXPECT_EQ(StandardBoxFor({Answer::Cancel, Answer::Ok}), StandardBox::OkCancel);
  EXPECT_EQ(StandardBoxFor(YesNoCancelButtons), StandardBox::YesNoCancel);
  EXPECT_EQ(StandardBoxFor({Answer::Yes, Answer::Ok}), StandardBox::Custom);
}

}  // namespace
}  // namespace velmar::ui
