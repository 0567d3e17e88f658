#include "ui/layout/fit_check.h"

#include <gtest/gtest.h>

#include "ui/layout/dpi_scale.h"
#include "ui/script/script_host.h"

namespace velmar::ui {
namespace {

// A font of fixed cells: 6 x 13 pixels at 96 DPI, an "&" that marks a letter
// taking no room, words broken at blanks.
class CellMeasure : public TextMeasure {
 public:
  explicit CellMeasure(int dpi) : dpi_(dpi) {}
  Size Text(const Control&, std::string_view text, int wrapWidth, bool prefix) override {
    int letters = 0;
    for (size_t i = 0; i < text.size(); ++i)
      if (!(prefix && text[i] == '&')) ++letters;
    const int cell = ScaleToDpi(6, dpi_), line = ScaleToDpi(13, dpi_);
    if (wrapWidth <= 0) return {letters * cell, line};
    const int perLine = std::max(wrapWidth / cell, 1);
    return {std::min(letters, perLine) * cell, (letters + perLine - 1) / perLine * line};
  }
  Size Glyph(std::string_view name) override { return name.empty() ? Size{} : ScaleToDpi(Size{16, 16}, dpi_); }
  int CheckWidth() override { return ScaleToDpi(17, dpi_); }

 private:
  int dpi_;
};

struct FitFixture : ::testing::Test {
  script::ScriptHost host{script::Script()};
  Page page{host, "TFolderForm"};
  Label name{page, "NameLbl"};
  Button next{page, "NextBtn"};
  Button cancel{page, "CancelBtn"};

  FitFixture() {
    page.ClientWidth = 300;
    page.ClientHeight = 100;
    name.AutoSize = false;
    name.Caption = "Project name";  // 72 x 13
    next.Caption = "&Next";
    next.Glyph = "BTN_NEXT";
    cancel.Caption = "&Cancel";
  }
  std::vector<std::string> Check(int dpi, Size screen = {1920, 1080}) {
    CellMeasure measure(dpi);
    std::vector<std::string> lines;
    for (const Misfit& misfit : CheckFit(page, dpi, screen, measure)) lines.push_back(Describe(misfit));
    return lines;
  }
};

using FitCheck = FitFixture;

TEST_F(FitCheck, ANarrowLabelAndOverlappingButtonsAreReportedWithTheirSizes) {
  name.SetBounds(10, 10, 60, 13);
  next.SetBounds(150, 60, 80, 30);
  cancel.SetBounds(200, 60, 90, 30);
  EXPECT_EQ(Check(96), (std::vector<std::string>{
                           "TFolderForm NameLbl: text needs 72x13, has 60x13",
                           "TFolderForm NextBtn: overlaps CancelBtn (80x30 and 90x30)",
                       }));
  // At 144 DPI the label is as short of room as before, scaled.
  EXPECT_EQ(Check(144)[0], "TFolderForm NameLbl: text needs 108x20, has 90x20");

  name.SetBounds(10, 10, 80, 13);
  cancel.SetBounds(238, 60, 56, 30);
  for (int dpi : {96, 120, 144, 192}) EXPECT_EQ(Check(dpi), std::vector<std::string>{}) << dpi;
}

TEST_F(FitCheck, ControlsOutsideThePageAndPagesLargerThanTheScreen) {
  name.SetBounds(250, 10, 80, 13);
  next.SetBounds(0, 60, 80, 30);
  cancel.SetBounds(100, 60, 80, 30);
  EXPECT_EQ(Check(96), std::vector<std::string>{"TFolderForm NameLbl: outside the page: reaches 330x23, the page is 300x100"});
  name.SetBounds(10, 10, 80, 13);
  EXPECT_EQ(Check(192, {500, 400}), std::vector<std::string>{"TFolderForm TFolderForm: larger than the screen needs 600x200, has 500x400"});
  // An auto-sized label takes the room its text needs, and wraps down the page.
  name.AutoSize = true;
  name.WordWrap = true;
  name.SetBounds(200, 80, 36, 0);  // two lines of six letters: 13 pixels below the page
  EXPECT_EQ(Check(96), std::vector<std::string>{"TFolderForm NameLbl: outside the page: reaches 236x106, the page is 300x100"});
}

TEST_F(FitCheck, NoAccessKeyServesTwoControls) {
  name.Visible = false;
  next.SetBounds(0, 60, 80, 30);
  cancel.SetBounds(100, 60, 80, 30);
  cancel.Caption = "&näste";
  Label folder(page, "FolderLbl");
  folder.Caption = "&Ordner && &Nächste";  // "&&" is an ampersand: its key is O
  folder.SetBounds(0, 0, 200, 13);
  CheckBox polish(page, "PolishChk");
  polish.Caption = "&łącz";
  polish.SetBounds(0, 20, 100, 17);
  Label other(page, "OtherLbl");
  other.Caption = "&Łódź";
  other.SetBounds(0, 40, 100, 13);
  EXPECT_EQ(Check(96), (std::vector<std::string>{
                           "TFolderForm CancelBtn: access key &N also on NextBtn",
                           "TFolderForm OtherLbl: access key &Ł also on PolishChk",
                       }));
  EXPECT_EQ(AccessKey("trailing &"), "");
}

}  // namespace
}  // namespace velmar::ui
