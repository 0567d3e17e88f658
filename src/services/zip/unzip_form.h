#pragma once
// The one way archives are unpacked: a modal dialog with a title line, the
// growing list of the items written, a progress bar and Cancel. Existing
// files are replaced without a question, or, when the caller asks for it,
// after the overwrite dialog's answer; its "to all" answers and Cancel hold
// for the rest of the archive.

#include <string>

#include "services/zip/overwrite_dlg.h"
#include "services/zip/unzipper.h"
#include "session/installer_page.h"
#include "ui/controls.h"

namespace velmar {

class TUnzipForm : public InstallerPage {
 public:
  TUnzipForm(InstallerContext& app, TOverwriteDlg& overwriteDlg);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Label TitleLbl{*this, "TitleLbl"};
  ui::ListBox FilesLB{*this, "FilesLB"};
  ui::ProgressBar ProgressPB{*this, "ProgressPB"};
  ui::Button CancelBtn{*this, "CancelBtn"};
  ui::StatusBar StatBar{*this, "StatBar"};

  // Unpacks the whole archive into baseFolder, with its folders. The dialog
  // closes by itself when the archive has been read (0); a missing archive or
  // one that cannot be read as a whole is reported in the list and the dialog
  // waits for Cancel (-1).
  int Execute(const std::string& title, const std::string& archivePath, const std::string& baseFolder,
              bool askOverwrite);
  // Whether the last run wrote every item: the archive was there and could be
  // read, no item failed, and no Cancel stopped it. Refused overwrites count
  // as written.
  bool Complete() const { return opened_ && failedItems_ == 0 && lastAnswer_ != owCancel; }
  int FailedItems() const { return failedItems_; }
  // Whether the last run found the archive and could read it as a whole.
  bool Opened() const { return opened_; }

 private:
  void Unpack();
  void Add(const std::string& line, bool tallied = false);
  void ItemConfirm(const TAbArchiveItem& item, bool& confirm);
  void OverwriteConfirm(const std::string& name, bool& confirm);
  void ItemFailure(const TAbArchiveItem& item, TAbErrorClass errorClass, int errorCode);

  TOverwriteDlg& overwriteDlg_;
  TAbUnZipper unzipper_;
  std::string archivePath_, baseFolder_;
  bool askOverwrite_ = false;
  OverwriteAnswer lastAnswer_ = owNotAsked;
  int result_ = 0;
  bool opened_ = false;
  int failedItems_ = 0;
};

}  // namespace velmar
