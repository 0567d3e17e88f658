#pragma once
// The layout of the custom install's list pages: a heading above a list that
// fills the page down to its buttons.

#include "services/wizard/wizard_page.h"
#include "ui/controls.h"
#include "ui/layout/page_layout.h"

namespace velmar {

inline void PlaceList(WizardPage& page, ui::Label& label, ui::ListBox& list, int buttonTop) {
  using ui::layout::Margin;
  const int width = page.ClientWidth - 2 * Margin;
  label.SetBounds(Margin + 4, Margin + 4, width - 4, 16);
  list.SetBounds(Margin, Margin + 26, width, buttonTop - 2 * Margin - 26);
}

}  // namespace velmar
