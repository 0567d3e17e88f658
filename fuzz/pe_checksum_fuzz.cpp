// The program checksum: summed in pieces or whole, the same; a stamped file
// sums the same, and the program check agrees with the recorded value.
#include <cstdlib>

#include "formats/pe_checksum.h"
#include "files/program_check.h"
#include "support/files/memory_file_system.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  test::MemoryFileSystem files;
  files.addFile("C:\\Setup.exe", std::string(reinterpret_cast<const char*>(data), size));
  files.setReadPiece(size % 5 == 0 ? 0 : 1 + size % 211);
  const ProgramCheck check = CheckProgramFile(files, "C:\\Setup.exe");

  const auto offset = PeChecksumOffset(file);
  if (!offset) {
    if (check != ProgramCheck::NotAProgram || ComputePeChecksum(file)) std::abort();
    return 0;
  }
  if (*offset + 4 > size) std::abort();
  const auto whole = ComputePeChecksum(file);
  PeChecksumAccumulator pieces(*offset);
  for (size_t at = 0, step = 1; at < size; at += step, step = step * 3 % 17 + 1)
    pieces.add(file.subspan(at, std::min(step, size - at)));
  if (!whole || pieces.result() != *whole) std::abort();
  const uint32_t recorded = ReadPeChecksum(file, *offset);
  const ProgramCheck expected =
      recorded == 0 ? ProgramCheck::NotStamped : recorded == *whole ? ProgramCheck::Intact : ProgramCheck::Damaged;
  if (check != expected) std::abort();

  std::vector<uint8_t> stamped(data, data + size);
  if (!StampPeChecksum(stamped)) std::abort();
  if (ComputePeChecksum(stamped) != whole) std::abort();  // the field itself does not count
  return 0;
}
