#pragma once
// Texts measured as the Win32 host draws them, for the check that every text
// of a page fits: DrawTextW with DT_CALCRECT in the control's own font.

#include "ui/layout/fit_check.h"
#include "ui/win32/gdi_cache.h"

namespace velmar::ui::win32 {

class WindowMeasure : public TextMeasure {
 public:
  explicit WindowMeasure(GdiCache& gdi);
  ~WindowMeasure() override;
  WindowMeasure(const WindowMeasure&) = delete;
  WindowMeasure& operator=(const WindowMeasure&) = delete;

  Size Text(const Control& control, std::string_view text, int wrapWidth, bool prefix) override;
  Size Glyph(std::string_view name) override;
  int CheckWidth() override;

 private:
  GdiCache& gdi_;
  HDC dc_ = nullptr;
};

// The misfits of a page as it is shown on this screen.
std::vector<Misfit> CheckShownPage(const Page& page, GdiCache& gdi);

}  // namespace velmar::ui::win32
