#pragma once
// The zip archive reader of the installer: opens an archive, lists its items
// and comment, extracts or tests items, and reports through events.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/file_system.h"
#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_errors.h"
#include "formats/zip/zip_item.h"

namespace velmar {

enum class TAbProcessType { ptAdd, ptDelete, ptExtract, ptFreshen, ptMove, ptReplace, ptFoundUnhandled };

enum ExtractOption { eoCreateDirs, eoRestorePath };

// A set of extract options: SetExtractOptions({eoCreateDirs, eoRestorePath}).
class ExtractOptions {
 public:
  constexpr ExtractOptions() = default;
  constexpr ExtractOptions(std::initializer_list<ExtractOption> options) {
    for (auto option : options) bits_ |= 1u << option;
  }
  constexpr bool contains(ExtractOption option) const { return (bits_ >> option) & 1u; }
  constexpr bool operator==(const ExtractOptions&) const = default;

 private:
  unsigned bits_ = 0;
};

class TAbUnZipper;
class ZipItemReader;

using TAbArchiveProgressEvent = std::function<void(TAbUnZipper& sender, uint8_t progress, bool& abort)>;
using TAbArchiveItemConfirmEvent =
    std::function<void(TAbUnZipper& sender, const TAbArchiveItem& item, TAbProcessType type, bool& confirm)>;
using TAbConfirmOverwriteEvent = std::function<void(std::string& name, bool& confirm)>;
using TAbArchiveItemFailureEvent = std::function<void(TAbUnZipper& sender, const TAbArchiveItem& item,
                                                      TAbProcessType type, TAbErrorClass errorClass, int errorCode)>;

class TAbUnZipper {
 public:
  explicit TAbUnZipper(platform::FileSystem& files);
  ~TAbUnZipper();
  TAbUnZipper(const TAbUnZipper&) = delete;
  TAbUnZipper& operator=(const TAbUnZipper&) = delete;

  // Opens the archive and loads its directory; an empty path closes it.
  // Throws InstallerError naming the file when it does not exist or cannot
  // be read as a whole; the reader is then closed.
  void SetFileName(const std::string& path);
  const std::string& FileName() const { return fileName_; }

  int ItemCount() const { return int(directory_.items.size()); }
  const TAbArchiveItem& Item(int index) const { return directory_.items.at(size_t(index)); }
  const std::string& ZipfileComment() const { return directory_.comment; }

  void SetBaseDirectory(const std::string& folder) { baseDirectory_ = folder; }
  const std::string& BaseDirectory() const { return baseDirectory_; }
  void SetExtractOptions(ExtractOptions options) { extractOptions_ = options; }
  ExtractOptions GetExtractOptions() const { return extractOptions_; }
  // Extraction reads and inflates the items on a thread of its own, ahead of
  // this one, which writes them and raises every event (the default); off,
  // this thread does all of it. The events and files are the same either way.
  void SetReadAhead(bool on) { readAhead_ = on; }

  // Extracts the items matching the mask in stored order. Each file is
  // written under a temporary name beside its target and put in place only
  // when complete and its CRC is right. An item whose local header does not
  // agree with the directory, or whose bytes overlap another item's, fails
  // before anything of it is written. A failing item raises
  // OnProcessItemFailure and the next item follows. Abort in
  // OnArchiveProgress gives up the current item (its target stays as it was)
  // and returns without handling the rest.
  void ExtractFiles(const std::string& mask);
  // Reads and checks the items matching the mask as extraction would (names,
  // method, sizes, CRC) without writing anything; failures as above.
  void TestFiles(const std::string& mask);

  TAbArchiveProgressEvent OnArchiveProgress;
  TAbArchiveItemConfirmEvent OnConfirmProcessItem;
  TAbConfirmOverwriteEvent OnConfirmOverwrite;
  TAbArchiveItemFailureEvent OnProcessItemFailure;

 private:
  class Run;
  void requireOpen() const;

  platform::FileSystem& files_;
  std::unique_ptr<platform::OpenFile> archive_;
  std::string fileName_;
  ZipDirectory directory_;
  std::string baseDirectory_;
  ExtractOptions extractOptions_;
  bool readAhead_ = true;
};

}  // namespace velmar
