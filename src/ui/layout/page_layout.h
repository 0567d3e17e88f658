#pragma once
// The frame the installer's pages share: a bevelled panel over the page, the
// installer's picture at the top left with the page's text beside it, and a
// row of buttons at the bottom right. Pages call these in their constructor.

#include <initializer_list>

#include "ui/controls.h"
#include "ui/page.h"

namespace velmar::ui::layout {

constexpr int Margin = 12;
constexpr int ButtonHeight = 30;
constexpr int ButtonGap = 8;
// Where the text of a page with the installer's picture begins.
constexpr int ContentLeft = 148;

// Sizes the page's client area and lays the panel over all of it but the
// bottom `reserved` pixels (a status line).
void Frame(Page& page, Panel& panel, int width, int height, int reserved = 0);
// The installer's picture at the top left.
void InstallerPicture(Image& image);
// The buttons side by side, each `width` wide, the last one `Margin` from the
// right edge `right`, their bottom `Margin` above `bottom`.
void ButtonRow(std::initializer_list<Button*> buttons, int width, int right, int bottom);

}  // namespace velmar::ui::layout
