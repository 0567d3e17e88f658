#include "projects/place_project.h"

#include <cstdio>

#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "formats/zip/zip_names.h"
#include "projects/unique_name_dlg.h"
#include "platform/files/places.h"
#include "platform/shortcuts.h"
#include "files/file_utils.h"
#include "services/shell/shell.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/zip/unzip_form.h"
#include "session/installer_context.h"
#include "session/procedure_end.h"
#include "ui/host.h"

namespace velmar {
namespace {

bool IsDotName(const std::string& name) { return !name.empty() && name[0] == '.'; }

// A stored name the unzipper writes below its base folder: nothing that
// climbs out of it or names a drive.
bool IsStoredNameBelowBase(std::string_view stored) {
  std::string name(stored);
  for (char& c : name)
    if (c == '\\') c = '/';
  return CheckItemName(name) == 0;
}

class Placement {
 public:
  Placement(InstallerContext& app, TUnzipForm& unzip, TOverwriteDlg& overwrite, ProjectRequest& request)
      : app_(app), s_(app.session), unzip_(unzip), request_(request), transfer_(app, overwrite) {}

  PlacementResult Run(bool makeShortcut) {
    request_.TargetFolder = WithBackslash(request_.TargetFolder);
    ForceFolder(app_.os.files, request_.TargetFolder);
    try {
      if (!request_.Archive.empty()) {
        if (!IsStoredNameBelowBase(request_.ProjectFile)) {
          app_.LogLine("ERROR: Project file name not usable: " + request_.ProjectFile);
          return Failed();
        }
        if (!Unpack()) return Failed();
      } else if (!request_.ProjectFile.empty()) {
        Copy();
      }
    } catch (const InstallerError& error) {
      // A read or write that failed in the middle of a copy ends the placement.
      if (temporary_) temporary_->Remove();
      app_.host.ShowMessage(error.what(), ui::ApplicationTitle, ui::MessageIcon::Error);
      LogFailure(app_, error.what());
      return Failed();
    }
    if (transfer_.Failed()) result_.Failed = true;
    if (makeShortcut && !result_.InstalledProjectFile.empty()) Shortcut();
    return result_;
  }

 private:
  PlacementResult Failed() {
    result_.Failed = true;
    return result_;
  }

  std::string Title() const {
    return app_.texts.TextWith(text::InstallingProject, NameWithoutExt(request_.ProjectFile));
  }

  // False when the placement ends here.
  bool Unpack() {
    const std::string projects = WithBackslash(s_.ProjectsPath);
    const std::string ownPlace = projects + FileFolderPart(request_.ProjectFile);
    if (platform::SamePlace(app_.os.files, request_.TargetFolder, ownPlace)) {
      app_.LogLine("Unzip project into " + request_.TargetFolder);
      unzip_.Execute(Title(), request_.Archive, s_.ProjectsPath, true);
      // A Cancel of the overwrite question is the user's choice, no failure.
      if (!unzip_.Opened() || unzip_.FailedItems() > 0) result_.Failed = true;
      result_.InstalledProjectFile = projects + request_.ProjectFile;
      app_.LogLine("Project unzipped");
      return true;
    }
    app_.LogLine("Unzip project into temporary folder");
    temporary_ = TemporaryUnzipFolder::Create(app_.os.files, s_.ProjectsPath, app_.os.system.now());
    if (!temporary_) {
      app_.host.ShowMessage(app_.texts.Text(text::TempFolderFailed));
      LogFailure(app_, "Failed to create temporary extract folder in " + WithBackslash(s_.ProjectsPath));
      return false;
    }
    const std::string& folder = temporary_->Path();
    unzip_.Execute(Title(), request_.Archive, folder, false);
    if (!unzip_.Complete()) result_.Failed = true;
    transfer_.MoveTree(folder + FileFolderPart(request_.ProjectFile), request_.TargetFolder);
    app_.LogLine("Move project to " + request_.TargetFolder);
    result_.InstalledProjectFile = request_.TargetFolder + FileNamePart(request_.ProjectFile);
    temporary_->Remove();
    temporary_.reset();
    app_.LogLine("Project unzipped");
    return true;
  }

  void Copy() {
    app_.LogLine("Copy project files into " + request_.TargetFolder);
    transfer_.CopyTree(WithBackslash(FileFolderPart(request_.ProjectFile)), request_.TargetFolder);
    result_.InstalledProjectFile = request_.TargetFolder + FileNamePart(request_.ProjectFile);
    app_.LogLine("Project copied");
  }

  void Shortcut() {
    platform::FileSystem& fs = app_.os.files;
    const std::string& project = result_.InstalledProjectFile;
    if (!FileExists(fs, project)) {
      // A shortcut to nothing helps nobody.
      app_.LogLine("ERROR: Project file not found : " + project);
      result_.Failed = true;
      return;
    }
    request_.ShortcutName = WithBackslash(s_.LinkPath) + request_.ShortcutName + ".LNK";
    if (FileExists(fs, request_.ShortcutName)) {
      const auto existing = app_.os.shortcuts.ReadShortcut(request_.ShortcutName);
      if (existing && SameText(existing->target, project)) return;  // it leads there already
      TUniqueNameDlg dialog(app_);
      const std::string name = dialog.Execute(request_.ShortcutName);
      if (name.empty() || FileExists(fs, name)) return;
      request_.ShortcutName = name;
    }
    app_.LogLine("Create shortcut to project");
    // Before the product is installed its shortcut folder may not be there yet.
    ForceFolder(fs, s_.LinkPath);
    if (!CreateShortcut(app_, request_.ShortcutName, project, "VELMAR project shortcut")) result_.Failed = true;
  }

  InstallerContext& app_;
  InstallSession& s_;
  TUnzipForm& unzip_;
  ProjectRequest& request_;
  TreeTransfer transfer_;
  std::optional<TemporaryUnzipFolder> temporary_;
  PlacementResult result_;
};

}  // namespace

PlacementResult PlaceProject(InstallerContext& app, TUnzipForm& unzip, TOverwriteDlg& overwrite,
                             ProjectRequest& request, bool makeShortcut) {
  return Placement(app, unzip, overwrite, request).Run(makeShortcut);
}

void TreeTransfer::CopyTree(const std::string& source, const std::string& target) {
  Walk(source, target, target, false);
}

void TreeTransfer::MoveTree(const std::string& source, const std::string& target) {
  Walk(source, target, target, true);
}

void TreeTransfer::Walk(const std::string& source, const std::string& target, const std::string& top, bool move) {
  platform::FileSystem& fs = app_.os.files;
  if (platform::SamePlace(fs, source, top)) return;  // the files are where they are to go
  ForceFolder(fs, target);
  for (const platform::DirEntry& entry : fs.find(source + "*.*")) {
    if (answer_ == owCancel) return;
    const std::string& name = entry.name;
    if (IsFolderEntry(entry.attributes)) {
      if (!IsDotName(name)) Walk(source + name + "\\", target + name + "\\", top, move);
      continue;
    }
    if (!IsPlainFileEntry(entry.attributes)) continue;
    const std::string from = source + name, to = target + name;
    if (platform::SamePlace(fs, from, to)) continue;  // in its place already, under another name
    if (FileExists(fs, to)) {
      if (answer_ != owNoToAll && answer_ != owYesToAll) answer_ = overwrite_.Execute(to);
      if (answer_ != owYes && answer_ != owYesToAll) {
        KeepForUser(app_.session, to);
        continue;
      }
    }
    if (CopyFileContents(fs, from, to) != copy_result::Copied) {
      failed_ = true;
      app_.LogLine("ERROR: Could not copy " + from + " to " + to);
      continue;  // a move keeps the only copy
    }
    if (move) DeleteFileForced(fs, from);
  }
}

std::string TemporaryUnzipName(const LocalDateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d%02d%02d%02d%02d%02d", now.year % 100, now.month, now.day, now.hour,
                now.minute, now.second);
  return std::string("TmpUnzip_") + stamp + "_";
}

std::optional<TemporaryUnzipFolder> TemporaryUnzipFolder::Create(platform::FileSystem& fs,
                                                                 const std::string& projectsFolder,
                                                                 const LocalDateTime& now) {
  const std::string parent = WithBackslash(projectsFolder);
  // Below a folder that does not depend on the current one.
  if (FileDrive(parent).empty() || parent.size() < 3 || (parent[1] == ':' && parent[2] != '\\')) return std::nullopt;
  const std::string path = parent + TemporaryUnzipName(now) + "\\";
  if (fs.attributes(WithoutBackslash(path))) return std::nullopt;
  if (!ForceFolder(fs, path)) return std::nullopt;
  const auto made = fs.identity(path);
  if (!made || !platform::IsAtOrInside(fs, path, parent)) return std::nullopt;
  return TemporaryUnzipFolder(fs, path, *made);
}

void TemporaryUnzipFolder::Remove() {
  // Someone may have put a link or junction in its place meanwhile.
  if (fs_->identity(path_) != made_) return;
  DeleteTree(path_);
}

void TemporaryUnzipFolder::DeleteTree(const std::string& folder) {
  for (const platform::DirEntry& entry : fs_->find(folder + "*.*")) {
    if (entry.attributes & attr::ReparsePoint) continue;
    if (IsFolderEntry(entry.attributes)) {
      if (!IsDotName(entry.name)) DeleteTree(folder + entry.name + "\\");
    } else if (IsPlainFileEntry(entry.attributes)) {
      DeleteFileForced(*fs_, folder + entry.name);
    }
  }
  fs_->removeFolder(WithoutBackslash(folder));
}

}  // namespace velmar
