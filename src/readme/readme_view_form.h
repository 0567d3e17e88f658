#pragma once
// The readme viewer (F6) and the utilities folder in the explorer (F7).

#include <string>

#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TReadmeViewForm : public InstallerPage {
 public:
  static constexpr int StripHeight = 40;
  static constexpr int Margin = 10;

  // Sized to the screen: half its height, 400 or 600 wide.
  explicit TReadmeViewForm(InstallerContext& app);
  // Shows the text (UTF-8) until Close or Esc.
  void Execute(const std::string& text);

  ui::Memo Memo{*this, "Memo"};
  ui::Panel BottomPanel{*this, "BottomPanel"};
  ui::Button CloseBtn{*this, "CloseBtn"};
};

// 1 when the file was shown, 0 when it is missing (the user is told).
int ShowReadme(InstallerContext& app, const std::string& path);
void ExploreTools(InstallerContext& app);

}  // namespace velmar
