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
TEST(Backdrop, CornerPicturesArePlacedByTheirSize) {
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
}

}  // namespace
}  // namespace velmar::ui
