#pragma once
// Whether a page shows every text whole on a screen of some DPI: each
// control's text, measured with the control's own font, against the room the
// control gives it (less the check glyph, the button's border, the edit's
// frame); no two controls overlapping (group boxes and panels aside); every
// control inside its page; no access key ("&" letter) used twice. The window
// host measures the texts; the rules are here, the same on every target.

#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/geometry.h"
#include "ui/page.h"

namespace velmar::ui {

// Texts and glyphs as the screen shows them, in the screen's pixels.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The text in the control's font: on one line when wrapWidth is 0,
  // otherwise broken into lines no wider than wrapWidth. With prefix an "&"
  // marks the next letter and takes no room.
  virtual Size Text(const Control& control, std::string_view text, int wrapWidth, bool prefix) = 0;
  // The glyph of a built-in bitmap as a button shows it; 0 x 0 for none.
  virtual Size Glyph(std::string_view name) = 0;
  // The room the box of a check box or radio button takes before its text.
  virtual int CheckWidth() = 0;
};

struct Misfit {
  std::string page;
  std::string control;  // "Name", "Name[item]" for a radio group's item; the page's own name for the page
  std::string problem;  // "text", "overlaps OtherName", "outside the page", "access key &x also on OtherName"
  Size needed;          // what the text (or the control) needs
  Size room;            // what it has
  bool operator==(const Misfit&) const = default;
};

// "TFolderForm Label1: text needs 130x20, has 120x13" and the like.
std::string Describe(const Misfit& misfit);

// The page at dpi dots per inch, its controls scaled from their 96-DPI layout
// as the host scales them, on a screen of the given size in pixels.
std::vector<Misfit> CheckFit(const Page& page, int dpi, Size screen, TextMeasure& measure);

// The access key of a caption: the letter after an "&" that is not doubled,
// upper-cased; empty for none.
std::string AccessKey(std::string_view caption);

}  // namespace velmar::ui
