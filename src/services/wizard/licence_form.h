#pragma once
// The licence agreement page: the agreement in the session's language, to be
// accepted once in a run before anything is installed.

#include <string>
#include <vector>

#include "services/wizard/wizard_flow.h"
#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class LanguageSupport;

// The agreement's lines (empty without a language file); a "$" that begins a
// line becomes the section sign.
std::vector<std::string> LicenceLines(const LanguageSupport& texts);

class TLicenceForm : public InstallerPage {
 public:
  explicit TLicenceForm(InstallerContext& app);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Image Img{*this, "Img"};
  ui::Label Label1{*this, "Label1"};
  ui::Memo Memo{*this, "Memo"};
  ui::Label Label2{*this, "Label2"};
  ui::Button AcceptBtn{*this, "AcceptBtn"};
  ui::Button RejectBtn{*this, "RejectBtn"};

  // Shows the agreement: Next (1) when accepted, which is logged, the gate's
  // Cancel (-1) when rejected, None when the page was closed otherwise.
  PageResult Execute();

 private:
  PageResult result_ = prNone;
};

}  // namespace velmar
