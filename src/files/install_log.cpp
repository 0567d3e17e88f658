#include "files/install_log.h"

#include "base/codepage.h"
#include "base/errors.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "base/timestamp.h"

namespace velmar {

void InstallLog::LogLine(const std::string& velmarPath, const std::string& text) {
  try {
    if (path_.empty() && !velmarPath.empty()) {
      if (!FolderExists(fs_, velmarPath)) ForceFolder(fs_, velmarPath);
      path_ = WithBackslash(velmarPath) + "Install.log";
    }
    if (path_.empty()) return;

    std::string entry;
    if (text == "-") {
      for (int i = 0; i < 21; ++i) entry += "- ";
      entry += "\r\n\r\n";
    } else if (text.empty()) {
      entry = "\r\n";
    } else {
      entry = FormatTimestamp(clock_()) + " : " + text + "\r\n";
    }
    Append(EncodeFromUtf8(entry, page_));
  } catch (const std::exception&) {
    // The log never stops a step.
  }
}

bool InstallLog::Append(const std::string& bytes) {
  // Only a plain file takes entries: a link or junction found at the log's
  // name loses the entry rather than lead it elsewhere. Another installer
  // writing to the same log waits for the folder's lock: a log just made is
  // written from its start, over whatever that one appended meanwhile.
  const auto lock = fs_.lockFolder(FileFolderPart(path_));
  std::string data = bytes;
  std::unique_ptr<platform::OpenFile> file = fs_.openAppend(path_);
  if (!file) {
    file = fs_.createNew(path_);
    if (file)
      data = "VELMAR Installation log:\r\n" + data;
    else
      file = fs_.openAppend(path_);
  }
  if (!file) return false;
  const bool written = file->write(data.data(), data.size()) == static_cast<int64_t>(data.size());
  return file->close() && written;
}

}  // namespace velmar
