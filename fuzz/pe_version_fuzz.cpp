// The version resource reader on any bytes: the same answer from memory and
// from a file read in short pieces.
#include <cstdlib>

#include "formats/pe_version.h"
#include "support/files/memory_file_system.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto fromBytes = ReadPeFileVersion(std::span<const uint8_t>(data, size));
  test::MemoryFileSystem files;
  files.addFile("C:\\Program.exe", std::string(reinterpret_cast<const char*>(data), size));
  files.setReadPiece(3);
  const auto fromFile = files.fileVersion("C:\\Program.exe");
  if (fromBytes.has_value() != fromFile.has_value()) std::abort();
  if (fromBytes && (fromBytes->major != fromFile->major || fromBytes->minor != fromFile->minor ||
                    fromBytes->release != fromFile->release || fromBytes->build != fromFile->build))
    std::abort();
  return 0;
}
