#include "ui/drawing/backdrop.h"

#include <gtest/gtest.h>

#include "ui/script/script_host.h"

namespace velmar::ui {
namespace {

using script::Outcome;
using script::Script;
using script::ScriptHost;

// Shown without a script step; the corner pictures are placed by their size
// and listed, the empty corner is not.
TEST(Backdrop, CornerPicturesArePlacedByTheirSizeAndFollowTheScreen) {
  ScriptHost host(Script(), {{1024, 768}, 32, {}});
  Backdrop backdrop(host, "TMainForm");
  backdrop.ImageBR.Transparent = true;
  backdrop.ImageBR.LoadBuiltIn("LOGO34_SPLASH");
  backdrop.ImageBL.LoadBuiltIn("KRAVOCR");
  backdrop.PlaceCornerPictures();
  backdrop.OnShow = [&] { backdrop.Close(); };
  EXPECT_EQ(host.Run([&] { backdrop.ShowModal(); return Outcome::Finished; }), Outcome::Finished);
  const std::string shown = host.TranscriptText();
  EXPECT_NE(shown.find("  ImageBR: image LOGO34_SPLASH 240x120 at 754,618, transparent\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("  ImageBL: image KRAVOCR 120x60 at 30,678\n"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("ImageTR"), std::string::npos) << shown;
  backdrop.ImageTR.LoadBuiltIn("LOGO34_ABOUT");
  backdrop.PlaceCornerPictures();
  EXPECT_EQ(backdrop.ImageTR.Bounds, (Rect{1024 - 30 - 160, 30, 160, 80}));

  // Another screen moves them with it, and the gradient fills it in the bands of its colour depth.
  backdrop.FitScreen({800, 600}, 16);
  EXPECT_EQ(backdrop.ImageBR.Bounds, (Rect{800 - 30 - 240, 600 - 30 - 120, 240, 120}));
  EXPECT_EQ(backdrop.ClientSize(), (Size{800, 600}));
  EXPECT_EQ(backdrop.GradFill.Bounds, (Rect{0, 0, 800, 600}));
  const std::pair<int, int> depths[] = {{8, 16}, {9, 64}, {16, 64}, {17, 128}};
  for (const auto& [depth, bands] : depths) {
    backdrop.FitScreen({800, 600}, depth);
    EXPECT_EQ(backdrop.GradFill.BandCount, bands) << depth;
  }
}

}  // namespace
}  // namespace velmar::ui
