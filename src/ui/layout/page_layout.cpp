#include "ui/layout/page_layout.h"

namespace velmar::ui::layout {

void Frame(Page& page, Panel& panel, int width, int height, int reserved) {
  page.ClientWidth = width;
  page.ClientHeight = height;
  panel.SetBounds(0, 0, width, height - reserved);
  panel.BevelWidth = 3;
}

void InstallerPicture(Image& image) {
  image.SetBounds(Margin, Margin, 120, 240);
  image.LoadBuiltIn("INSTALLER_IMG");
}

void ButtonRow(std::initializer_list<Button*> buttons, int width, int right, int bottom) {
  const int count = static_cast<int>(buttons.size());
  int left = right - Margin - count * width - (count - 1) * ButtonGap;
  for (Button* button : buttons) {
    button->SetBounds(left, bottom - Margin - ButtonHeight, width, ButtonHeight);
    left += width + ButtonGap;
  }
}

}  // namespace velmar::ui::layout
