#include "files/file_utils.h"

#include <cstring>
#include <vector>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "platform/files/file_contents.h"
#include "platform/files/places.h"

namespace velmar {


namespace {

constexpr size_t CopyBlockSize = 32768;
constexpr size_t MarkerWindow = 51;

// Creates the missing folders of a path ending in "\": up to the nearest
// one that exists, then down, one call each. Failures (mostly folders made
// meanwhile) do not matter here; the caller looks whether the path exists.
void CreateWithParents(platform::FileSystem& fs, const std::string& folder) {
  std::vector<std::string> missing;
  std::string path = WithoutBackslash(folder);
  while (!path.empty() && path.back() != ':' && !fs.attributes(path)) {
    missing.push_back(path);
    const size_t previous = path.rfind('\\');
    if (previous == std::string::npos || previous == 0) break;
    path.resize(previous);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) fs.createFolder(*it);
}

bool CopyTree(platform::FileSystem& fs, const std::string& sourceFolder,
              const std::string& targetFolder, std::string_view pattern, bool recurse,
              const std::string& topTarget, const std::function<bool(const std::string&)>& keep) {
  const std::string source = WithBackslash(sourceFolder);
  const std::string target = WithBackslash(targetFolder);
  bool whole = ForceFolder(fs, target);
  for (const platform::DirEntry& entry : fs.find(source + std::string(pattern))) {
    if (IsFolderEntry(entry.attributes)) {
      // The target's own folder inside the source would be copied into itself without end.
      const std::string sub = source + entry.name + "\\";
      if (recurse && !entry.name.empty() && entry.name[0] != '.' &&
          !platform::SamePlace(fs, sub, topTarget)) {
        whole = CopyTree(fs, sub, target + entry.name, pattern, recurse, topTarget, keep) && whole;
      }
    } else if ((entry.attributes & attr::VolumeLabel) == 0 && !(keep && keep(target + entry.name))) {
      if (CopyFileContents(fs, source + entry.name, target + entry.name) != copy_result::Copied) whole = false;
    }
  }
  return whole;
}

// A copied settings, project or driver file must be whole after a power
// cut, as when it is written; the product's other files a re-run repairs.
platform::Flush SettingsFlush(const std::string& path) {
  const std::string extension = UpperCaseText(FileExtension(path));
  const bool settings = extension == ".INI" || extension == ".VPR" || extension == ".VDR";
  return settings ? platform::Flush::Data : platform::Flush::None;
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
  // Windows makes no longer folder; trying would only leave its parents.
  if (WithoutBackslash(FullPathName(folder, remembered)).size() > MaxFolderLength) return false;
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
  if (platform::SamePlace(fs, from, to)) return copy_result::TargetNotCreated;
  std::unique_ptr<platform::OpenFile> in = fs.openRead(from);
  if (!in) return copy_result::SourceNotOpened;
  // As Windows refuses to replace them; a link at the target is replaced below, never written through.
  const auto existing = fs.attributes(to);
  if (existing && (*existing & (attr::Folder | attr::ReadOnly | attr::Hidden | attr::System)))
    return copy_result::TargetNotCreated;
  // The copy is written new beside the target and put in its place when whole.
  const auto lock = fs.lockFolder(FileFolderPart(to));
  auto [written, out] = platform::CreateBeside(fs, to, ".~cp");
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
  if (const auto times = fs.fileTimes(from); times && failure.empty() && !targetFull) out->setTimes(*times);
  if (!out->close() && failure.empty() && !targetFull) {
    failure = "Write error on " + to + " while copying " + from;
  }
  in.reset();
  out.reset();
  // A copy that ended early must not pass for the file.
  const bool whole = !targetFull && failure.empty();
  if (!whole || !fs.replaceFile(written, to, SettingsFlush(to))) {
    fs.deleteFile(written);
    if (!failure.empty()) throw InstallerError(failure);
    return targetFull ? copy_result::TargetFull : copy_result::TargetNotCreated;
  }
  return copy_result::Copied;
}

bool CopyFileTimes(platform::FileSystem& fs, std::string_view target, std::string_view source) {
  const std::string to(target);
  const auto times = fs.fileTimes(std::string(source));
  if (!times || !fs.attributes(to)) return false;
  return fs.setFileTimes(to, *times);
}

bool CopyFolderTree(platform::FileSystem& fs, std::string_view sourceFolder,
                    std::string_view targetFolder, std::string_view pattern, bool recurse,
                    const std::function<bool(const std::string& target)>& keep) {
  const std::string topTarget(targetFolder);
  return CopyTree(fs, std::string(sourceFolder), topTarget, pattern, recurse, topTarget, keep);
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
