#include "ui/layout/window_rules.h"

#include <gtest/gtest.h>

#include "ui/controls.h"

namespace velmar::ui {
namespace {

TEST(WindowRules, AnchorsKeepTheDistancesToTheirEdges) {
  Size before{600, 400}, after{700, 350};
  Rect r{10, 20, 100, 50};
  EXPECT_EQ(Anchored(r, anchor::Right | anchor::Bottom, before, after), (Rect{110, -30, 100, 50}));
  EXPECT_EQ(Anchored(r, anchor::All, before, after), (Rect{10, 20, 200, 0}));
  EXPECT_EQ(Anchored(r, anchor::All, before, {500, 300}), (Rect{10, 20, 0, 0}));  // never below zero
  // No anchor on an axis: the centre keeps its share of the page.
  EXPECT_EQ(Anchored({250, 0, 100, 10}, anchor::Top, before, {1200, 400}), (Rect{550, 0, 100, 10}));
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
