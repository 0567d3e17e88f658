#pragma once
// The program's built-in bitmaps, each drawn by one function.

#include <string>
#include <vector>

#include "canvas.h"

namespace drawres {

// Transparent colour of glyphs and image strips: olive.
inline constexpr Rgb kOlive{128, 128, 0};

Canvas DrawNextGlyph();
Canvas DrawPrevGlyph();
Canvas DrawCancelGlyph();
Canvas DrawCheckGlyph();
Canvas DrawFolderGlyph();
Canvas DrawTreeImages();
Canvas DrawInstallerImage();
Canvas DrawSplashLogo();
Canvas DrawAboutLogo();
Canvas DrawMakerLogo();

struct Drawing {
  std::string name;  // resource name; the file is name + ".bmp"
  Canvas (*draw)();
};

const std::vector<Drawing>& AllDrawings();

}  // namespace drawres
