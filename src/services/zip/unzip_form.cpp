#include "services/zip/unzip_form.h"

#include "base/errors.h"
#include "files/file_utils.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"
#include "ui/host.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

std::string ErrorText(TAbErrorClass errorClass, int errorCode) {
  switch (errorClass) {
    case TAbErrorClass::ecAbbrevia: return ZipErrorMessage(errorCode);
    case TAbErrorClass::ecInOutError: return "InOutError";
    case TAbErrorClass::ecFilerError: return "FilerError";
    case TAbErrorClass::ecFileCreateError: return "FileCreateError";
    case TAbErrorClass::ecFileOpenError: return "FileOpenError";
    case TAbErrorClass::ecCabError: return "";
    case TAbErrorClass::ecOther: break;
  }
  return "[OtherError]";
}

}  // namespace

TUnzipForm::TUnzipForm(InstallerContext& app, TOverwriteDlg& overwriteDlg)
    : InstallerPage(app, "TUnzipForm"), overwriteDlg_(overwriteDlg), unzipper_(app.os.files) {
  const int width = 480, height = 330, margin = ui::layout::Margin;
  ui::layout::Frame(*this, Panel1, width, height, StatBar.Bounds.height);
  StatBar.SetBounds(0, height - StatBar.Bounds.height, width, StatBar.Bounds.height);
  TitleLbl.SetBounds(margin, margin, width - 2 * margin, 20);
  TitleLbl.Font = ui::Font{"Arial", 10, true, ui::colours::Navy};
  TitleLbl.ShowAccelChar = false;
  FilesLB.SetBounds(margin, 40, width - 2 * margin, 180);
  FilesLB.Tallied = true;
  ProgressPB.SetBounds(margin, 228, width - 2 * margin, 16);
  ProgressPB.Smooth = true;
  ui::layout::ButtonRow({&CancelBtn}, 100, width, height - StatBar.Bounds.height);
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  CancelBtn.OnClick = [this] {
    result_ = -1;
    Close();
  };
  // The work starts once the dialog is on screen.
  OnShow = [this] { Unpack(); };

  unzipper_.OnConfirmProcessItem = [this](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType,
                                          bool& confirm) { ItemConfirm(item, confirm); };
  unzipper_.OnConfirmOverwrite = [this](std::string& name, bool& confirm) { OverwriteConfirm(name, confirm); };
  unzipper_.OnProcessItemFailure = [this](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType,
                                          TAbErrorClass errorClass, int errorCode) {
    ItemFailure(item, errorClass, errorCode);
  };
  unzipper_.OnArchiveProgress = [this](TAbUnZipper&, uint8_t progress, bool&) {
    if (ProgressPB.Position == progress) return;
    ProgressPB.Position = progress;
    GetHost().Repaint(*this);
  };
}

int TUnzipForm::Execute(const std::string& title, const std::string& archivePath, const std::string& baseFolder,
                        bool askOverwrite) {
  result_ = 0;
  lastAnswer_ = owNotAsked;
  opened_ = false;
  failedItems_ = 0;
  TitleLbl.Caption = title;
  archivePath_ = archivePath;
  baseFolder_ = baseFolder;
  askOverwrite_ = askOverwrite;
  FilesLB.Clear();
  Add(TextWith(text::UnpackingArchive, archivePath));
  CancelBtn.Caption = Session().Captions.Cancel;
  ProgressPB.Position = 0;
  ShowModal();
  return result_;
}

void TUnzipForm::Unpack() {
  if (!FileExists(App().os.files, archivePath_)) {
    Add(Text(text::ArchiveNotFound));
    LogFailure(App(), "Archive not found : " + archivePath_);
    return;
  }
  Add(TextWith(text::UnpackingInto, baseFolder_));
  GetHost().Repaint(*this);
  ProgressPB.Position = 0;
  try {
    unzipper_.SetFileName(archivePath_);
    opened_ = true;
    unzipper_.SetBaseDirectory(baseFolder_);
    unzipper_.SetExtractOptions({eoCreateDirs, eoRestorePath});
    unzipper_.ExtractFiles("*.*");
    ProgressPB.Position = 100;
    unzipper_.SetFileName("");
  } catch (const InstallerError& error) {
    // An archive that cannot be read as a whole: said in the list, and the
    // dialog waits for Cancel.
    opened_ = false;
    unzipper_.SetFileName("");
    Add(Text(text::ErrorPrefix) + " " + error.what());
    const std::string message = error.what();
    LogFailure(App(), message.find(archivePath_) != std::string::npos ? message
                                                                       : "Cannot unpack " + archivePath_ + " : " + message);
    GetHost().Repaint(*this);
    return;
  }
  Close();
}

void TUnzipForm::Add(const std::string& line, bool tallied) {
  FilesLB.Add(line, tallied ? ui::ListBox::TalliedLine : 0);
}

void TUnzipForm::ItemConfirm(const TAbArchiveItem& item, bool& confirm) {
  if (askOverwrite_ && lastAnswer_ == owCancel) {
    confirm = false;
    return;
  }
  confirm = true;
  Add(item.FileName, true);
  GetHost().Repaint(*this);
}

void TUnzipForm::OverwriteConfirm(const std::string& name, bool& confirm) {
  InstallSession& s = Session();
  if (!askOverwrite_) {
    confirm = !KeptByUser(App().os.files, s, name);
    return;
  }
  if (lastAnswer_ != owNoToAll && lastAnswer_ != owYesToAll && lastAnswer_ != owCancel)
    lastAnswer_ = overwriteDlg_.Execute(name);
  confirm = lastAnswer_ == owYes || lastAnswer_ == owYesToAll;
  if (!confirm) KeepForUser(s, name);
}

void TUnzipForm::ItemFailure(const TAbArchiveItem& item, TAbErrorClass errorClass, int errorCode) {
  ++failedItems_;
  const std::string error = ErrorText(errorClass, errorCode);
  Add(Text(text::ErrorPrefix) + " " + item.FileName + " : " + error);
  LogFailure(App(), "Cannot unpack " + item.FileName + " from " + archivePath_ + " : " + error);
  GetHost().Repaint(*this);
}

}  // namespace velmar
