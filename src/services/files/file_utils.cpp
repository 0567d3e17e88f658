#include "services/files/file_utils.h"

#include <cstring>
#include <vector>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/path_utils.h"

namespace velmar {


namespace {

constexpr size_t CopyBlockSize = 32768;
constexpr size_t MarkerWindow = 51;

// Creates the folders of a path ending in "\" from the top down; failures
// (mostly folders that exist already) do not matter here.
void CreateWithParents(platform::FileSystem& fs, const std::string& folder) {
  if (folder.size() >= 2) {
    const size_t previous = folder.rfind('\\', folder.size() - 2);
    if (previous != std::string::npos) CreateWithParents(fs, folder.substr(0, previous + 1));
  }
  fs.createFolder(WithoutBackslash(folder));
}

bool CopyTree(platform::FileSystem& fs, const std::string& sourceFolder,
              const std::string& targetFolder, std::string_view pattern, bool recurse,
              const std::string& topTarget, const std::string& current) {
  const std::string source = WithBackslash(sourceFolder);
  const std::string target = WithBackslash(targetFolder);
  bool whole = ForceFolder(fs, target);
  for (const platform::DirEntry& entry : fs.find(source + std::string(pattern))) {
    if (IsFolderEntry(entry.attributes)) {
      // The target's own folder inside the source would be copied into itself without end.
      const std::string sub = source + entry.name + "\\";
      if (recurse && !entry.name.empty() && entry.name[0] != '.' &&
          !SamePath(sub, topTarget, current)) {
        whole = CopyTree(fs, sub, target + entry.name, pattern, recurse, topTarget, current) && whole;
      }
    } else if ((entry.attributes & attr::VolumeLabel) == 0) {
      if (CopyFileContents(fs, source + entry.name, target + entry.name) != copy_result::Copied) whole = false;
    }
  }
  return whole;
}

std::string WritableMessage(int result) {
  switch (result) {
    case writable::WrongKind: return "-1: Cannot write to file of this type !";
    case writable::OnCdRom: return "-2: Cannot write to CD-ROM !";
    case writable::NoDrive: return "-3: Drive does not exist !";
    default: return "-4: Cannot create folder !";
  }
}

int WritableCode(platform::FileSystem& fs, const std::string& path) {
  if (IsOnCdRom(fs, path)) return writable::OnCdRom;
  if (const auto attributes = fs.attributes(path)) {
    if (*attributes & (attr::Hidden | attr::System | attr::VolumeLabel | attr::Folder)) {
      return writable::WrongKind;
    }
    if ((*attributes & attr::ReadOnly) == 0) return writable::Yes;
    if (!fs.setAttributes(path, 0)) return writable::WrongKind;
    const auto after = fs.attributes(path);
    return after && (*after & attr::ReadOnly) == 0 ? writable::Yes : writable::WrongKind;
  }
  // A path without a drive lies on the drive of the current folder.
  std::string drive = FileDrive(path);
  if (drive.empty()) drive = FileDrive(fs.currentFolder());
  switch (fs.driveType(drive + "\\")) {
    case platform::DriveType::Removable:
    case platform::DriveType::Fixed:
    case platform::DriveType::Remote:
    case platform::DriveType::RamDisk:
      break;
    default:
      return writable::NoDrive;
  }
  const std::string folder = FileFolderPart(path);
  return FolderExists(fs, folder) || ForceFolder(fs, folder) ? writable::Yes : writable::NoFolder;
}

}  // namespace

std::string ParentFolder(platform::FileSystem& fs, std::string_view path) {
  const bool hasDrive = path.size() >= 2 && path[1] == ':';
  return ParentFolder(path, hasDrive ? std::string() : fs.currentFolder());
}

bool FileExists(platform::FileSystem& fs, std::string_view path) {
  if (path.empty()) return false;
  const auto attributes = fs.attributes(std::string(path));
  return attributes && !IsFolderEntry(*attributes);
}

bool FolderExists(platform::FileSystem& fs, std::string_view path) {
  return !path.empty() && !fs.find(WithBackslash(path) + "*.*").empty();
}

bool ForceFolder(platform::FileSystem& fs, std::string_view path) {
  if (path.empty()) return true;
  const std::string folder(path);
  const std::string remembered = fs.currentFolder();
  bool exists = fs.setCurrentFolder(folder);
  if (!exists) {
    CreateWithParents(fs, WithBackslash(folder));
    exists = fs.setCurrentFolder(folder);
  }
  fs.setCurrentFolder(remembered);
  return exists;
}

bool IsOnCdRom(platform::FileSystem& fs, std::string_view path) {
  const std::string drive = FileDrive(path);
  return !drive.empty() && fs.driveType(drive + "\\") == platform::DriveType::CdRom;
}

std::string WindowsFolder(platform::FileSystem& fs) { return WithBackslash(fs.windowsFolder()); }
std::string SystemFolder(platform::FileSystem& fs) { return WithBackslash(fs.systemFolder()); }

int DeleteFileForced(platform::FileSystem& fs, std::string_view path) {
  const std::string file(path);
  const auto attributes = fs.attributes(file);
  if (!attributes || (*attributes & (attr::Folder | attr::System))) return 0;
  if (*attributes & (attr::ReadOnly | attr::Hidden)) fs.setAttributes(file, attr::Archive);
  return fs.deleteFile(file);
}

int CopyFileContents(platform::FileSystem& fs, std::string_view source, std::string_view target) {
  const std::string from(source), to(target);
  if (SamePath(from, to, fs.currentFolder())) return copy_result::TargetNotCreated;
  std::unique_ptr<platform::OpenFile> in = fs.openRead(from);
  if (!in) return copy_result::SourceNotOpened;
  std::unique_ptr<platform::OpenFile> out = fs.create(to);
  if (!out) return copy_result::TargetNotCreated;

  std::vector<char> block(CopyBlockSize);
  std::string failure;
  bool targetFull = false;
  for (;;) {
    const int64_t got = in->read(block.data(), block.size());
    if (got < 0) {
      failure = "Read error on " + from + " while copying it to " + to;
      break;
    }
    if (got == 0) break;
    const int64_t put = out->write(block.data(), static_cast<size_t>(got));
    if (put < 0) {
      failure = "Write error on " + to + " while copying " + from;
      break;
    }
    if (put < got) {
      targetFull = true;
      break;
    }
  }
  in->close();
  if (!out->close() && failure.empty() && !targetFull) {
    failure = "Write error on " + to + " while copying " + from;
  }
  in.reset();
  out.reset();
  // A copy that ended early must not pass for the file.
  if (targetFull || !failure.empty()) fs.deleteFile(to);
  if (!failure.empty()) throw InstallerError(failure);
  if (targetFull) return copy_result::TargetFull;
  CopyFileTimes(fs, to, from);
  return copy_result::Copied;
}

bool CopyFileTimes(platform::FileSystem& fs, std::string_view target, std::string_view source) {
  const std::string to(target);
  const auto times = fs.fileTimes(std::string(source));
  if (!times || !fs.attributes(to)) return false;
  return fs.setFileTimes(to, *times);
}

bool CopyFolderTree(platform::FileSystem& fs, std::string_view sourceFolder,
                    std::string_view targetFolder, std::string_view pattern, bool recurse) {
  const std::string current = fs.currentFolder();
  const std::string topTarget = WithBackslash(FullPathName(targetFolder, current));
  return CopyTree(fs, std::string(sourceFolder), std::string(targetFolder), pattern, recurse, topTarget,
           current);
}

bool FileHasMarker(platform::FileSystem& fs, CodePage ansiCodePage, std::string_view path, std::string_view text,
                   int lastPosition) {
  if (text.empty()) return false;
  std::string marker;
  try {
    marker = EncodeFromUtf8(text, ansiCodePage);
  } catch (const CodePageError& e) {
    throw InstallerError("Cannot read " + std::string(path) + ": " + e.what());
  }
  std::unique_ptr<platform::OpenFile> in = fs.openRead(std::string(path));
  if (!in) return false;
  unsigned char head[MarkerWindow];
  size_t count = 0;
  while (count < MarkerWindow) {
    const int64_t got = in->read(head + count, MarkerWindow - count);
    if (got < 0) return false;
    if (got == 0) break;
    count += static_cast<size_t>(got);
  }
  if (count < marker.size()) return false;
  // Only the first byte equal to the marker's first character is tried.
  const size_t lastCandidate = count - marker.size();  // 0-based
  size_t p = 0;
  while (p <= lastCandidate && head[p] != static_cast<unsigned char>(marker[0])) ++p;
  if (p > lastCandidate) return false;
  const size_t position = p + 1;  // 1-based, as callers give lastPosition
  if (lastPosition < 0 || position > static_cast<size_t>(lastPosition) ||
      position + marker.size() >= MarkerWindow + 1) {
    return false;
  }
  return std::memcmp(head + p + 1, marker.data() + 1, marker.size() - 1) == 0;
}

bool FileVersion(platform::FileSystem& fs, std::string_view path, uint16_t& major,
                 uint16_t& minor, uint16_t& release, uint16_t& build) {
  const auto version = fs.fileVersion(std::string(path));
  const VersionNumbers found = version.value_or(VersionNumbers{});
  major = found.major;
  minor = found.minor;
  release = found.release;
  build = found.build;
  return version.has_value();
}

int CheckWritable(platform::FileSystem& fs, std::string_view path, std::string_view caption,
                  bool showMessage, const MessageBoxSink& messages) {
  const std::string file(path);
  const int result = WritableCode(fs, file);
  if (showMessage && result != writable::Yes && messages.show) {
    const std::string title =
        caption.empty() ? "ERROR: " + messages.installerFileName : std::string(caption);
    messages.show(WritableMessage(result) + "\r\n\r\n" + file, title);
  }
  return result;
}

}  // namespace velmar
