#include "ui/drawing/backdrop.h"

#include "ui/host.h"

namespace velmar::ui {

Backdrop::Backdrop(Host& host, std::string className) : Page(host, std::move(className)) {
  MainWindow = true;
  Centred = false;
  Border = PageBorder::None;
  InfoLbl.SetBounds(40, 48, 0, 0);
  InfoLbl.Transparent = true;
  SetTitle("Velmar", "Arial", 48);
  for (Image* image : {&ImageTR, &ImageBR, &ImageBL}) image->AutoSize = true;
  FitScreen(host.ScreenSize(), host.ColourDepth());
}

void Backdrop::FitScreen(Size screen, int colourDepth) {
  Left = 0;
  Top = 0;
  ClientWidth = screen.width;
  ClientHeight = screen.height;
  GradFill.SetBounds(0, 0, screen.width, screen.height);
  GradFill.Anchors = anchor::All;
  GradFill.BandCount = GradientBandCount(colourDepth);
  PlaceCornerPictures();
}

void Backdrop::SetTitle(const std::string& caption, const std::string& fontName, int fontSize) {
  InfoLbl.Caption = caption;
  InfoLbl.Font = ui::Font{fontName, fontSize, false, colours::White};
}

void Backdrop::PlaceCornerPictures() {
  int right = ClientWidth - CornerMargin;
  int bottom = ClientHeight - CornerMargin;
  ImageTR.Bounds.left = right - ImageTR.Bounds.width;
  ImageTR.Bounds.top = CornerMargin;
  ImageBR.Bounds.left = right - ImageBR.Bounds.width;
  ImageBR.Bounds.top = bottom - ImageBR.Bounds.height;
  ImageBL.Bounds.left = CornerMargin;
  ImageBL.Bounds.top = bottom - ImageBL.Bounds.height;
}

}  // namespace velmar::ui
