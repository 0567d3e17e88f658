#include "install/pages/win_links_form.h"

#include "session/install_session.h"
#include "base/path_utils.h"
#include "text/texts.h"
#include "ui/layout/page_layout.h"

namespace velmar {

TWinLinksForm::TWinLinksForm(InstallerContext& app) : WizardPage(app, "TWinLinksForm") {
  using ui::layout::Margin;
  SetPageSize(DefaultWidth, 240);
  const int left = Margin + 8, width = ClientWidth - 2 * left;
  // Two lines: the message is long in French and German.
  LnkMsgLbl.SetBounds(left, Margin + 8, width, 32);
  LnkMsgLbl.AutoSize = false;
  LnkMsgLbl.WordWrap = true;
  LinkFolderEdit.SetBounds(left, Margin + 46, 260, 21);
  DesktopCB.SetBounds(left, Margin + 92, width, 17);
  AutostartCB.SetBounds(left, Margin + 120, width, 17);
  AddField(LinkFolderEdit);
}

PageResult TWinLinksForm::Execute() {
  InstallSession& s = Session();
  LinkFolderEdit.Text = s.StartMenuGroup;
  DesktopCB.Checked = s.DesktopLinks;
  AutostartCB.Checked = s.Autostart;
  const PageResult result = Run(0);
  s.StartMenuGroup = TrimBlanks(LinkFolderEdit.Text);
  if (s.StartMenuGroup.empty()) s.StartMenuGroup = Text(text::DefaultStartMenuGroup);
  s.DesktopLinks = DesktopCB.Checked;
  s.Autostart = AutostartCB.Checked;
  return result;
}

bool IsStartMenuGroup(std::string_view group) {
  return group.empty() || IsPlainRelativePath(WithoutBackslash(group));
}

bool TWinLinksForm::Validate(PageResult leavingWith) {
  if (leavingWith != prNext || IsStartMenuGroup(TrimBlanks(LinkFolderEdit.Text))) return true;
  ShowStatus(Text(text::ErrorPrefix) + " " + Text(text::InvalidName));
  SetFocus(LinkFolderEdit);
  return false;
}

void TWinLinksForm::SetTexts() {
  LnkMsgLbl.Caption = Text(text::StartMenuFolderMessage);
  DesktopCB.Caption = Text(text::AddDesktopShortcuts);
  AutostartCB.Caption = Text(text::AutostartDefaultProject);
}

}  // namespace velmar
