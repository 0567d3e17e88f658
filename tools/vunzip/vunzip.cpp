// vunzip: lists, tests and extracts a zip archive with the installer's own
// reader, so that a medium maker sees what Setup will see.
//
//   vunzip list ARCHIVE...        one line per item: SIZE CRC32 NAME, then the comment;
//                                 with several archives each block begins with the
//                                 archive's name and a colon, and a blank line
//                                 separates the blocks
//   vunzip test ARCHIVE           reads every item and checks its CRC
//   vunzip extract ARCHIVE DEST   extracts with folders, replacing existing files
//   vunzip extract --one-thread ARCHIVE DEST
//                                 the same without reading ahead on a second thread
//                                 (to measure what that gains)
//
// Exit status: 0 all fine, 1 some items failed (named on stderr), 2 an
// archive could not be opened or read (a list goes on with the next), 3 wrong
// arguments.

#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/files/host_files.h"
#include "base/errors.h"
#include "services/zip/unzipper.h"

namespace {

using namespace velmar;

// Control characters in a stored name would garble the terminal.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

std::string FailureText(TAbErrorClass errorClass, int code) {
  switch (errorClass) {
    case TAbErrorClass::ecAbbrevia: return ZipErrorMessage(code);
    case TAbErrorClass::ecInOutError: return "The file could not be written (disk full?)";
    case TAbErrorClass::ecFileCreateError: return "The file or folder could not be created";
    case TAbErrorClass::ecFileOpenError: return "The file could not be opened";
    default: return "The item could not be extracted";
  }
}

int Usage() {
  std::fputs("usage: vunzip list ARCHIVE...\n       vunzip test ARCHIVE\n       vunzip extract [--one-thread] ARCHIVE DEST\n",
             stderr);
  return 3;
}

int Run(const std::string& command, const std::string& archive, const std::string& destination,
        bool readAhead = true) {
  auto files = platform::MakeHostFileSystem();
  TAbUnZipper zip(*files);
  int failed = 0;
  zip.OnProcessItemFailure = [&](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, TAbErrorClass errorClass,
                                 int code) {
    ++failed;
    std::fprintf(stderr, "%s: %s\n", Printable(item.FileName).c_str(), FailureText(errorClass, code).c_str());
  };
  try {
    zip.SetFileName(platform::HostPathToWindows(archive));
    if (command == "test") {
      zip.TestFiles("*.*");
    } else {
      zip.SetBaseDirectory(platform::HostPathToWindows(destination));
      zip.SetExtractOptions({eoCreateDirs, eoRestorePath});
      zip.SetReadAhead(readAhead);
      zip.ExtractFiles("*.*");
    }
  } catch (const InstallerError& e) {
    std::fprintf(stderr, "vunzip: %s\n", e.what());
    return 2;
  }
  if (std::fflush(stdout) != 0) return 2;
  return failed > 0 ? 1 : 0;
}

int List(char** archives, int count) {
  auto files = platform::MakeHostFileSystem();
  TAbUnZipper zip(*files);
  int status = 0;
  for (int n = 0; n < count; ++n) {
    if (count > 1) std::printf("%s%s:\n", n > 0 ? "\n" : "", archives[n]);
    try {
      zip.SetFileName(platform::HostPathToWindows(archives[n]));
    } catch (const InstallerError& e) {
      std::fflush(stdout);
      std::fprintf(stderr, "vunzip: %s\n", e.what());
      status = 2;
      continue;
    }
    for (int i = 0; i < zip.ItemCount(); ++i) {
      const TAbArchiveItem& item = zip.Item(i);
      std::printf("%" PRIu64 " %08" PRIx32 " %s\n", item.UncompressedSize, item.CRC32, Printable(item.FileName).c_str());
    }
    if (!zip.ZipfileComment().empty()) std::printf("comment: %s\n", zip.ZipfileComment().c_str());
  }
  return std::fflush(stdout) != 0 ? 2 : status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string command = argv[1];
  if (command == "list") return List(argv + 2, argc - 2);
  if (command == "test" && argc == 3) return Run(command, argv[2], "");
  if (command == "extract" && argc == 4) return Run(command, argv[2], argv[3]);
  if (command == "extract" && argc == 5 && std::string(argv[2]) == "--one-thread")
    return Run(command, argv[3], argv[4], false);
  return Usage();
}
