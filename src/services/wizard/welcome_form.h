#pragma once
// The welcome page, the first page of every install flow until it has been
// passed once in a run.

#include "services/wizard/wizard_flow.h"
#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TWelcomeForm : public InstallerPage {
 public:
  explicit TWelcomeForm(InstallerContext& app);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Image Img{*this, "Img"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::Label Label5{*this, "Label5"};
  ui::Button NextBtn{*this, "NextBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};

  // Shows the page in the session's language: Next (1), the gate's Cancel
  // (-1), or None when it was closed otherwise.
  PageResult Execute();

 private:
  PageResult result_ = prNone;
};

}  // namespace velmar
