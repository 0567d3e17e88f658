#pragma once
// The welcome page, the first page of every install flow until it has been
// passed once in a run.

#include "services/wizard/wizard_flow.h"
#include "ui/controls.h"
#include "ui/page.h"

namespace velmar {

struct InstallerContext;

class TWelcomeForm : public ui::Page {
 public:
  explicit TWelcomeForm(ui::Host& host);

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
  PageResult Execute(InstallerContext& app);
  PageResult Result() const { return result_; }

 private:
  PageResult result_ = prNone;
};

}  // namespace velmar
