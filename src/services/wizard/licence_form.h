#pragma once
// The licence agreement page: the agreement in the session's language, to be
// accepted once in a run before anything is installed.

#include <string>
#include <vector>

#include "services/wizard/wizard_flow.h"
#include "ui/controls.h"
#include "ui/page.h"

namespace velmar {

class LanguageSupport;
struct InstallerContext;

// The agreement's 20 lines (texts 50 to 69 of group 16, empty without a
// language file); a "$" that begins a line becomes the section sign.
std::vector<std::string> LicenceLines(const LanguageSupport& texts);

class TLicenceForm : public ui::Page {
 public:
  static constexpr int FirstLineId = 50;
  static constexpr int LineCount = 20;

  explicit TLicenceForm(ui::Host& host);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Image Img{*this, "Img"};
  ui::Label Label1{*this, "Label1"};
  ui::Memo Memo{*this, "Memo"};
  ui::Label Label2{*this, "Label2"};
  ui::Button AcceptBtn{*this, "AcceptBtn"};
  ui::Button RejectBtn{*this, "RejectBtn"};

  // Shows the agreement: Next (1) when accepted, which is logged, the gate's
  // Cancel (-1) when rejected, None when the page was closed otherwise.
  PageResult Execute(InstallerContext& app);
  PageResult Result() const { return result_; }

 private:
  InstallerContext* app_ = nullptr;
  PageResult result_ = prNone;
};

}  // namespace velmar
