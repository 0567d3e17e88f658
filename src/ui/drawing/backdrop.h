#pragma once
// The full-screen backdrop the installer's pages lie in front of: a colour
// gradient, the title and three corner pictures. The program's main window
// derives from it and adds its own state and keys.

#include <string>

#include "ui/controls.h"
#include "ui/page.h"

namespace velmar::ui {

class Backdrop : public Page {
 public:
  static constexpr int CornerMargin = 30;

  // Fills the host's screen; the gradient gets the bands of its colour depth.
  Backdrop(Host& host, std::string className);

  GradientFill GradFill{*this, "GradFill"};
  Label InfoLbl{*this, "InfoLbl"};
  Image ImageTR{*this, "ImageTR"};
  Image ImageBR{*this, "ImageBR"};
  Image ImageBL{*this, "ImageBL"};

  void FitScreen(Size screen, int colourDepth);
  void SetTitle(const std::string& caption, const std::string& fontName, int fontSize);
  // Each corner picture CornerMargin from its two screen edges, placed by its
  // size: top right, bottom right, bottom left.
  void PlaceCornerPictures();
};

}  // namespace velmar::ui
