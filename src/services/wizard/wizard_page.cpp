#include "services/wizard/wizard_page.h"

#include "base/path_utils.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

}  // namespace

WizardPage::WizardPage(InstallerContext& app, std::string className)
    : InstallerPage(app, std::move(className)) {
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) { return PageKeyDown(key); };

  PrevBtn.Glyph = "BTN_PREV";
  NextBtn.Glyph = "BTN_NEXT";
  CancelBtn.Glyph = "BTN_CANCEL";
  // The buttons come after the page's own controls in tab order.
  PrevBtn.TabOrder = 1000;
  NextBtn.TabOrder = 1001;
  CancelBtn.TabOrder = 1002;
  PrevBtn.OnClick = [this] { Leave(prPrev); };
  NextBtn.OnClick = [this] { Leave(NextResult()); };
  CancelBtn.OnClick = [this] {
    result_ = prCancel;
    Close();
  };
  SetPageSize(DefaultWidth, DefaultHeight);

  Browser.RootFolder = foMyComputer;
  Browser.Owner = this;
}

void WizardPage::SetPageSize(int width, int height) {
  const int statusHeight = StatBar.Visible ? StatBar.Bounds.height : 0;
  ui::layout::Frame(*this, Panel1, width, height, statusHeight);
  StatBar.SetBounds(0, height - StatBar.Bounds.height, width, StatBar.Bounds.height);
  ui::layout::ButtonRow({&PrevBtn, &NextBtn, &CancelBtn}, 100, width, height - statusHeight);
}

PageResult WizardPage::Run(int step, bool isLast) {
  result_ = ClosedResult();
  PrevBtn.Enabled = PrevEnabled(step);
  const ButtonCaptions& captions = Session().Captions;
  NextBtn.Caption = isLast ? captions.Finish : captions.Next;
  PrevBtn.Caption = captions.Prev;
  CancelBtn.Caption = captions.Cancel;
  SetTexts();
  LoadFields();
  UpdateNextBtn();
  ShowModal();
  PageClosed();
  return result_;
}

void WizardPage::UpdateNextBtn() {
  StatBar.Text.clear();
  bool complete = true;
  for (const Field& field : fields_) {
    if (!field.rule.required || !Shown(field) || !TrimBlanks(field.edit->Text).empty()) continue;
    if (complete) ShowStatus(Message(field));
    complete = false;
  }
  NextBtn.Enabled = complete;
}

bool WizardPage::Validate(PageResult) {
  for (Field& field : fields_) {
    if (!field.rule.required || !Shown(field)) continue;
    field.edit->Text = TrimBlanks(field.edit->Text);
    if (!field.edit->Text.empty()) continue;
    ShowStatus(Message(field));
    SetFocus(*field.edit);
    return false;
  }
  return true;
}

void WizardPage::Leave(PageResult result) {
  if (!Validate(result)) return;
  StoreFields();
  result_ = result;
  Close();
}

bool WizardPage::PageKeyDown(ui::Key key) {
  if (key != ui::Key::Enter) return false;
  Field* field = FindField(Focused());
  if (!field) return false;
  FieldEnter(*field);
  return true;
}

void WizardPage::AddField(ui::Edit& edit, FieldRule rule) {
  fields_.push_back({&edit, std::move(rule)});
  edit.OnExit = [this, &edit] {
    if (Field* field = FindField(&edit)) FieldExit(*field);
  };
}

void WizardPage::AddFolderField(ui::Edit& edit, ui::Button& browseBtn, int titleId, FieldRule rule) {
  AddField(edit, rule);
  browseBtn.Glyph = "PICK_FOLDER";
  browseBtn.OnClick = [this, &edit, titleId] { BrowseClick(edit, titleId); };
}

WizardPage::Field* WizardPage::FindField(const ui::Control* control) {
  for (Field& field : fields_)
    if (field.edit == control) return &field;
  return nullptr;
}

std::string WizardPage::Message(const Field& field) const {
  return field.rule.messageId ? Text(field.rule.messageId) : std::string();
}

void WizardPage::FieldExit(Field& field) {
  field.edit->Text = TrimBlanks(field.edit->Text);
  UpdateNextBtn();
  if (field.edit->Text.empty() && field.rule.messageId != 0) ShowStatus(Message(field));
}

void WizardPage::FieldEnter(Field& field) {
  FieldExit(field);
  ui::Control* next = nullptr;
  for (size_t i = size_t(&field - fields_.data()) + 1; i < fields_.size() && !next; ++i)
    if (fields_[i].edit->CanFocus()) next = fields_[i].edit;
  if (!next && NextBtn.CanFocus()) next = &NextBtn;
  if (next) SetFocus(*next);
}

void WizardPage::BrowseClick(ui::Edit& edit, int titleId) {
  Browser.Title = Text(titleId);
  Browser.Directory = WithoutBackslash(edit.Text);
  if (Browser.Execute(GetHost())) edit.Text = Browser.Directory;
  UpdateNextBtn();
}

}  // namespace velmar
