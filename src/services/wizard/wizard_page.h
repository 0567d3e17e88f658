#pragma once
// The pattern of the install flows' pages: a bevelled panel, Prev, Next and
// Cancel with the language's captions, a status line for input errors, and a
// run operation that fills the page from the session, shows it modally and
// returns its PageResult. A page derives from WizardPage, declares its own
// controls, registers its edits as fields and fills in the hooks it needs:
//
//   class TPathForm : public WizardPage {
//    public:
//     explicit TPathForm(InstallerContext& app) : WizardPage(app, "TPathForm") {
//       AddFolderField(PathEdit, PathBtn, text::VelmarFolder, {text::FolderNotDefined, true});
//     }
//     PageResult Execute(int step) { return Run(step); }
//
//     ui::Label PathLbl{*this, "PathLbl"};
//     ui::Edit PathEdit{*this, "PathEdit"};
//     ui::Button PathBtn{*this, "PathBtn"};
//
//    private:
//     void SetTexts() override { PathLbl.Caption = Text(text::VelmarFolder); }
//     void LoadFields() override { PathEdit.Text = WithoutBackslash(Session().VelmarPath); }
//     void StoreFields() override { Session().VelmarPath = PathEdit.Text; }
//   };
//
// Run: result None; Prev enabled from step 1 on; captions Next (Finish on the
// last page), Prev, Cancel; SetTexts; LoadFields; UpdateNextBtn; show; then
// PageClosed. Next and Prev validate, store and close; Cancel closes at once.
// Fields are trimmed when left; Enter in a field checks it and moves the focus
// to the next field (after the last one, to Next).

#include <string>

#include "base/trim.h"
#include <string_view>
#include <vector>

#include "services/shell/browse_folder.h"
#include "services/wizard/wizard_flow.h"
#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

// The text without leading and trailing blanks and control characters.


// What a field needs to hold. Its message (a text of texts.h) goes into the
// status line when the field is left empty; a required field keeps Next
// disabled while it is empty and stops Next and Prev.
struct FieldRule {
  int messageId = 0;  // 0: no message
  bool required = false;
};

class WizardPage : public InstallerPage {
 public:
  static constexpr int DefaultWidth = 480;
  static constexpr int DefaultHeight = 320;

  ui::Panel Panel1{*this, "Panel1"};
  ui::Button PrevBtn{*this, "PrevBtn"};
  ui::Button NextBtn{*this, "NextBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};
  ui::StatusBar StatBar{*this, "StatBar"};
  // The browser behind the folder buttons: file-system folders below My Computer.
  TBrowseFolder Browser;

  PageResult Result() const { return result_; }

 protected:
  WizardPage(InstallerContext& app, std::string className);

  // The page's client size; Panel1, the buttons and the status line follow it.
  void SetPageSize(int width, int height);
  // The page's own controls lie above this line.
  int ButtonTop() const { return NextBtn.Bounds.top; }

  PageResult Run(int step, bool isLast = false);

  // Hooks, in the order Run and the buttons call them.
  virtual PageResult ClosedResult() const { return prNone; }  // a page closed without its buttons
  virtual bool PrevEnabled(int step) const { return step >= 1; }
  virtual void SetTexts() {}
  virtual void LoadFields() {}
  // Clears the status line; Next is enabled only when no shown required
  // field is empty, and the first empty one shows its message.
  virtual void UpdateNextBtn();
  // Before Next or Prev store and leave: the first shown required field that
  // is empty shows its message and takes the focus, and the page stays.
  virtual bool Validate(PageResult leavingWith);
  virtual void StoreFields() {}
  virtual PageResult NextResult() const { return prNext; }
  virtual void PageClosed() {}
  // The page sees every key first; true when it used the key.
  virtual bool PageKeyDown(ui::Key key);

  // Registers an edit as a field, in the order Enter moves through them.
  void AddField(ui::Edit& edit, FieldRule rule = {});
  // A folder field: its button opens the folder browser titled by the text
  // titleId on the edit's folder (one trailing backslash removed) and copies
  // a confirmed folder back.
  void AddFolderField(ui::Edit& edit, ui::Button& browseBtn, int titleId, FieldRule rule = {});

  void ShowStatus(const std::string& text) { StatBar.Text = text; }

 private:
  struct Field {
    ui::Edit* edit;
    FieldRule rule;
  };
  Field* FindField(const ui::Control* control);
  bool Shown(const Field& field) const { return field.edit->Visible; }
  std::string Message(const Field& field) const;
  void FieldExit(Field& field);
  void FieldEnter(Field& field);
  void BrowseClick(ui::Edit& edit, int titleId);
  void Leave(PageResult result);

  std::vector<Field> fields_;
  PageResult result_ = prNone;
};

}  // namespace velmar
