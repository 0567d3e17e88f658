#include "services/zip/unzipper.h"

#include <set>
#include <system_error>

#include "platform/clock.h"
#include "base/text_case.h"
#include "base/wildcard.h"
#include "base/codepage.h"
#include "base/errors.h"
#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_item_reader.h"
#include "formats/zip/zip_names.h"
#include "services/zip/item_feed.h"
#include "services/zip/read_ahead_feed.h"
#include "services/zip/zip_target.h"
#include "formats/zip/zip_time.h"

namespace velmar {
namespace {

// The exact UTC time of an extra field, else the item's MS-DOS date and time
// on this machine's clock.
FileTime ItemWriteTime(const TAbArchiveItem& item) {
  if (item.LastWriteTime) return *item.LastWriteTime;
  return platform::LocalTimeToFileTime(DosDateTimeToLocal(item.LastModFileDate, item.LastModFileTime));
}

}  // namespace

// One extraction or test over the items matching a mask.
class TAbUnZipper::Run {
 public:
  Run(TAbUnZipper& owner, bool writeFiles)
      : owner_(owner), files_(owner.files_), writeFiles_(writeFiles), folders_(owner.files_),
        now_(platform::CurrentFileTime()) {
    std::string base = owner.baseDirectory_;
    if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
    base_ = base;
  }

  void execute(const std::string& mask) {
    const auto& items = owner_.directory_.items;
    std::vector<size_t> plan;  // the items whose local header and data may be read
    for (size_t index = 0; index < items.size(); ++index) {
      const TAbArchiveItem& item = items[index];
      if (!MatchesMask(item.FileName, mask)) continue;
      total_ = SaturatingAdd(total_, item.UncompressedSize);
      if (!CheckItemName(item.FileName) && (item.IsDirectory() || !UnreadableReason(item))) plan.push_back(index);
    }
    // Writing and inflating on two threads pays only where something is written.
    if (writeFiles_ && owner_.readAhead_) {
      try {
        feed_ = std::make_unique<ReadAheadFeed>(*owner_.archive_, owner_.directory_, std::move(plan));
      } catch (const std::system_error&) {
        // No thread to be had: this one does both.
      }
    }
    if (!feed_) feed_ = std::make_unique<DirectFeed>(*owner_.archive_, owner_.directory_);
    for (size_t index = 0; index < items.size(); ++index) {
      if (aborted_) break;
      const TAbArchiveItem& item = items[index];
      if (!MatchesMask(item.FileName, mask)) continue;
      itemDone_ = 0;
      handle(index, item);
      feed_->passed(index);
      if (item.UncompressedSize > itemDone_) advance(item.UncompressedSize - itemDone_);
    }
  }

 private:
  static uint64_t SaturatingAdd(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

  void handle(size_t index, const TAbArchiveItem& item) {
    if (writeFiles_ && owner_.OnConfirmProcessItem) {
      bool confirm = true;
      owner_.OnConfirmProcessItem(owner_, item, TAbProcessType::ptExtract, confirm);
      if (!confirm) return;
    }
    if (int code = CheckItemName(item.FileName)) return fail(item, TAbErrorClass::ecAbbrevia, code);
    ExtractOptions options = owner_.extractOptions_;
    auto parts = ItemNameParts(item.FileName);
    if (parts.empty()) return;  // the base folder itself
    std::string relative = parts.back();
    if (options.contains(eoRestorePath)) {
      relative.clear();
      for (const auto& part : parts) relative += (relative.empty() ? "" : "\\") + part;
    }
    if (!item.IsDirectory())
      if (int code = UnreadableReason(item)) return fail(item, TAbErrorClass::ecAbbrevia, code);
    ItemOutcome header = feed_->begin(index);
    if (header.status != ItemOutcome::Done) return fail(item, header.errorClass, header.errorCode);
    if (item.IsDirectory()) {
      if (writeFiles_ && options.contains(eoCreateDirs) && options.contains(eoRestorePath))
        makeFolder(item, base_ + relative);
      return;
    }
    if (!writeFiles_) return test(index, item);

    std::string target = base_ + relative;
    size_t slash = target.rfind('\\');
    std::string folder = slash != std::string::npos ? target.substr(0, slash) : "";
    if (options.contains(eoCreateDirs) && !folder.empty() && folder.back() != ':' && !makeFolder(item, folder)) return;
    // In a folder this run made, only what it wrote can exist: no need to look.
    bool fresh = folders_.madeHere(folder) && !written_.count(UpperName(target));
    std::optional<uint32_t> existing;
    if (!fresh) existing = files_.attributes(target);
    if (existing) {
      if (*existing & attr::Folder) return fail(item, TAbErrorClass::ecAbbrevia, zip_error::NotAFolder);
      if (owner_.OnConfirmOverwrite) {
        std::string name = target;
        bool confirm = true;
        owner_.OnConfirmOverwrite(name, confirm);
        if (!confirm) return;
        if (name != target) {
          target = name;  // the handler chose another name
          existing = files_.attributes(target);
        }
      }
    }
    extract(index, item, target, existing);
  }

  static std::string UpperName(std::string_view name) {
    std::string upper;
    upper.reserve(name.size());
    for (size_t pos = 0; pos < name.size();) AppendUtf8(upper, UpperCodePoint(NextCodePoint(name, pos)));
    return upper;
  }

  bool makeFolder(const TAbArchiveItem& item, const std::string& folder) {
    switch (folders_.ensure(folder)) {
      case FolderMaker::Made: return true;
      case FolderMaker::Blocked: fail(item, TAbErrorClass::ecAbbrevia, zip_error::NotAFolder); return false;
      case FolderMaker::Failed: fail(item, TAbErrorClass::ecFileCreateError, 0); return false;
    }
    return false;
  }

  void test(size_t index, const TAbArchiveItem& item) {
    ItemOutcome outcome = feed_->read(index, [&](const uint8_t*, size_t size) {
      return advance(size);
    });
    if (outcome.status == ItemOutcome::Failed) fail(item, outcome.errorClass, outcome.errorCode);
  }

  void extract(size_t index, const TAbArchiveItem& item, const std::string& target,
               std::optional<uint32_t> existing) {
    TargetFile file(files_, target, existing);
    // An item of this archive may have been given the temporary name.
    const bool madeHere = written_.count(UpperName(target + TargetFile::TemporarySuffix)) > 0;
    if (file.create(madeHere ? platform::Leftover::Keep : platform::Leftover::Remove) != TargetFile::Done) return fail(item, TAbErrorClass::ecFileCreateError, 0);
    written_.insert(UpperName(target));
    bool writeFailed = false;
    ItemOutcome outcome = feed_->read(index, [&](const uint8_t* data, size_t size) {
      if (!file.write(data, size)) {
        writeFailed = true;
        return false;
      }
      return advance(size);
    });
    if (outcome.status != ItemOutcome::Done) {
      file.discard();
      if (writeFailed) return fail(item, TAbErrorClass::ecInOutError, platform::error::DiskFull);
      if (outcome.status == ItemOutcome::Failed) fail(item, outcome.errorClass, outcome.errorCode);
      return;  // aborted: no failure to report
    }
    switch (file.commit({now_, now_, ItemWriteTime(item)}, item.DosAttributes())) {
      case TargetFile::Done: break;
      case TargetFile::WriteFailed: fail(item, TAbErrorClass::ecInOutError, platform::error::DiskFull); break;
      default: fail(item, TAbErrorClass::ecFileCreateError, 0); break;
    }
  }

  // Counts written bytes and raises the progress event when the percentage
  // moves; false once the handler asked to abort.
  bool advance(uint64_t bytes) {
    itemDone_ += bytes;
    done_ = SaturatingAdd(done_, bytes);
    int percent = total_ == 0 ? 100 : int(double(done_) * 100.0 / double(total_));
    if (percent > 100) percent = 100;
    if (percent != lastPercent_ && owner_.OnArchiveProgress) {
      lastPercent_ = percent;
      bool abort = false;
      owner_.OnArchiveProgress(owner_, uint8_t(percent), abort);
      if (abort) aborted_ = true;
    }
    return !aborted_;
  }

  void fail(const TAbArchiveItem& item, TAbErrorClass errorClass, int code) {
    if (owner_.OnProcessItemFailure) owner_.OnProcessItemFailure(owner_, item, TAbProcessType::ptExtract, errorClass, code);
  }

  TAbUnZipper& owner_;
  platform::FileSystem& files_;
  bool writeFiles_;
  FolderMaker folders_;
  std::set<std::string> written_;  // targets of this run, upper-cased
  std::unique_ptr<ItemFeed> feed_;
  FileTime now_;
  std::string base_;
  uint64_t total_ = 0, done_ = 0, itemDone_ = 0;
  int lastPercent_ = 0;
  bool aborted_ = false;
};

TAbUnZipper::TAbUnZipper(platform::FileSystem& files) : files_(files) {}

TAbUnZipper::~TAbUnZipper() = default;

void TAbUnZipper::SetFileName(const std::string& path) {
  archive_.reset();
  fileName_.clear();
  directory_ = {};
  if (path.empty()) return;

  auto attributes = files_.attributes(path);
  if (!attributes) throw InstallerError("The zip archive \"" + path + "\" does not exist.");
  if (*attributes & attr::Folder) throw InstallerError("The zip archive \"" + path + "\" is a folder.");
  auto archive = files_.openRead(path);
  if (!archive) throw InstallerError("The zip archive \"" + path + "\" cannot be opened.");
  ZipDirectory directory = ReadZipDirectory(*archive, path);

  archive_ = std::move(archive);
  fileName_ = path;
  directory_ = std::move(directory);
}

void TAbUnZipper::requireOpen() const {
  if (!archive_) throw InstallerError("No zip archive is open.");
}

void TAbUnZipper::ExtractFiles(const std::string& mask) {
  requireOpen();
  Run(*this, true).execute(mask);
}

void TAbUnZipper::TestFiles(const std::string& mask) {
  requireOpen();
  Run(*this, false).execute(mask);
}

}  // namespace velmar
