// The installer's unzipper extracting and testing an archive into a file
// system in memory, with options, existing files, short reads, a small disk
// and one failing file operation chosen by the input. Whatever the archive
// holds, nothing may land outside the base folder and no temporary file may
// stay behind.
//
// Input: two control bytes, then the archive.
#include <cstdlib>

#include "base/errors.h"
#include "base/text_case.h"
#include "services/zip/unzipper.h"
#include "support/files/failing_files.h"
#include "support/input_reader.h"
#include "support/files/memory_file_system.h"

using namespace velmar;

namespace {

constexpr const char* ArchivePath = "C:\\Medium\\Velmar.zip";

bool Below(const std::string& key, const std::string& folder) {
  return key.size() > folder.size() && key.compare(0, folder.size(), folder) == 0 && key[folder.size()] == '\\';
}

const test::FileOp FaultOps[] = {test::FileOp::Read,         test::FileOp::Write,  test::FileOp::Create,
                                 test::FileOp::Replace,      test::FileOp::Close,  test::FileOp::CreateFolder,
                                 test::FileOp::SetAttributes, test::FileOp::Attributes};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputReader input(data, size);
  const uint8_t mode = input.byte(), fault = input.byte();
  const std::string archive = input.rest();

  test::MemoryFileSystem memory;
  memory.addFile(ArchivePath, archive);
  memory.addFolder("C:\\Target");
  if (mode & 0x08) {
    memory.addFile("C:\\Target\\Readme.txt", "old", attr::ReadOnly);
    memory.addFile("C:\\Target\\Data\\a.txt", "old");
    memory.addFile("C:\\Target\\Blocked", "a file where a folder may be wanted");
  }
  memory.setReadPiece((mode >> 4) & 3 ? ((mode >> 4) & 3) * 97 : 0);
  if (mode & 0x40) memory.setQuota(4096);

  test::FailingFiles files(memory);
  // Never a failing delete: a temporary file that cannot be removed stays, rightly.
  if (fault & 0x80) files.failAt(FaultOps[fault & 7], ((fault >> 3) & 7) + 1, (fault & 0x40) != 0);

  {
    TAbUnZipper zip(files);
    int failures = 0;
    zip.OnProcessItemFailure = [&](TAbUnZipper&, const TAbArchiveItem&, TAbProcessType, TAbErrorClass, int) {
      ++failures;
    };
    const int abortAt = mode & 0x80 ? 1 + fault % 99 : 0;
    zip.OnArchiveProgress = [&](TAbUnZipper&, uint8_t percent, bool& abort) {
      if (percent > 100) std::abort();
      if (abortAt && percent >= abortAt) abort = true;
    };
    try {
      zip.SetFileName(ArchivePath);
    } catch (const InstallerError&) {
      return 0;
    }
    const ExtractOptions options[] = {{}, {eoCreateDirs}, {eoRestorePath}, {eoCreateDirs, eoRestorePath}};
    zip.SetExtractOptions(options[mode & 3]);
    zip.SetBaseDirectory("C:\\Target");
    if (mode & 0x04) zip.TestFiles("*.*");
    zip.ExtractFiles("*.*");

    bool namesLookTemporary = false;
    for (int i = 0; i < zip.ItemCount(); ++i)
      if (UpperCaseText(zip.Item(i).FileName).find(".VZ~") != std::string::npos) namesLookTemporary = true;

    for (const auto& [key, node] : memory.nodes()) {
      if (key == "C:\\" || key == "D:\\" || key == "C:\\MEDIUM" || key == "C:\\MEDIUM\\VELMAR.ZIP" ||
          key == "C:\\TARGET")
        continue;
      if (!Below(key, "C:\\TARGET")) std::abort();  // written outside the base folder
      if (!namesLookTemporary && key.find(".VZ~") != std::string::npos) std::abort();  // a temporary file left
    }
    if (memory.node(ArchivePath)->bytes->size() != archive.size()) std::abort();
  }
  return 0;
}
