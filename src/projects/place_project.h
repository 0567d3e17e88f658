#pragma once
// Placing one chosen project on the workstation: an archive unpacked in
// place (asking before each existing file) or through a temporary folder
// that is then moved into the target (asking before each existing file
// there), or a project folder of the medium copied; then the shortcut to the
// project file, under a new name when another project's shortcut has it.

#include <optional>
#include <string>

#include "base/timestamp.h"
#include "platform/files/file_system.h"
#include "projects/project_request.h"
#include "services/zip/overwrite_dlg.h"

namespace velmar {

struct InstallerContext;
class TUnzipForm;

struct PlacementResult {
  // Full path of the placed project file; empty when nothing was placed.
  std::string InstalledProjectFile;
  // A step failed: the archive could not be unpacked whole, a file that was
  // to be written could not be, the project file is missing afterwards, or
  // the shortcut could not be made. Refused overwrites are no failure.
  bool Failed = false;
};

// Places the request's project and, with makeShortcut (not in a custom
// install), makes its shortcut. The target folder gets its trailing "\" and
// the shortcut name becomes the full path of the shortcut file. Every step
// is logged; an error in the middle of a file copy is shown and ends the
// placement.
PlacementResult PlaceProject(InstallerContext& app, TUnzipForm& unzip, TOverwriteDlg& overwrite,
                             ProjectRequest& request, bool makeShortcut);

// Copies or moves folder trees for one placement. Before an existing file is
// replaced the user is asked, unless an earlier answer of this placement was
// a "to all" or Cancel; Cancel stops every later file. Folders whose names
// begin with "." and files that are hidden or system are passed over.
class TreeTransfer {
 public:
  TreeTransfer(InstallerContext& app, TOverwriteDlg& overwrite) : app_(app), overwrite_(overwrite) {}

  // Folders end with "\". A target inside the source is not copied into
  // itself; a source equal to the target copies nothing.
  void CopyTree(const std::string& source, const std::string& target);
  // As CopyTree, and each source file that was copied is deleted; refused
  // files and every folder stay.
  void MoveTree(const std::string& source, const std::string& target);

  OverwriteAnswer LastAnswer() const { return answer_; }
  bool Failed() const { return failed_; }

 private:
  void Walk(const std::string& source, const std::string& target, const std::string& top, bool move);

  InstallerContext& app_;
  TOverwriteDlg& overwrite_;
  OverwriteAnswer answer_ = owNotAsked;
  bool failed_ = false;
};

// "TmpUnzip_yymmddhhnnss_" of the time given.
std::string TemporaryUnzipName(const LocalDateTime& now);

// The folder an archive is unpacked into before its project is moved to the
// target: made new below the projects folder by Create, and the only folder
// the placement ever deletes.
class TemporaryUnzipFolder {
 public:
  // projectsFolder\TmpUnzip_yymmddhhnnss_\ when the projects folder is a
  // full path and no folder of that name exists yet and it could be made;
  // nothing otherwise.
  static std::optional<TemporaryUnzipFolder> Create(platform::FileSystem& fs, const std::string& projectsFolder,
                                                    const LocalDateTime& now);

  const std::string& Path() const { return path_; }
  // Deletes the plain files of the folder and its sub-folders (names not
  // beginning with ".") and then each emptied folder; hidden and system
  // files stay, and with them their folders. Nothing is reported. A link or
  // junction found in the tree is not followed, and a folder that is no
  // longer the one made below the projects folder is not touched at all.
  void Remove();

 private:
  TemporaryUnzipFolder(platform::FileSystem& fs, std::string path, platform::FileIdentity made)
      : fs_(&fs), path_(std::move(path)), made_(made) {}
  void DeleteTree(const std::string& folder);

  platform::FileSystem* fs_;
  std::string path_;
  platform::FileIdentity made_;  // what the file system knew the new folder by
};

}  // namespace velmar
