#include "files/program_check.h"

#include <vector>

#include "formats/pe_checksum.h"

namespace velmar {

namespace {

// The headers of a program lie well within its first bytes.
constexpr size_t kHeadSize = 64 * 1024;

// Fills `buffer` as far as the file allows; -1 when a read fails.
int64_t ReadFully(platform::OpenFile& file, uint8_t* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const int64_t got = file.read(buffer + done, size - done);
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<int64_t>(done);
}

}  // namespace

ProgramCheck CheckProgramFile(platform::FileSystem& files, const std::string& path) {
  auto file = files.openRead(path);
  if (!file) return ProgramCheck::Unreadable;
  std::vector<uint8_t> buffer(kHeadSize);
  const int64_t headSize = ReadFully(*file, buffer.data(), buffer.size());
  if (headSize < 0) return ProgramCheck::Unreadable;
  const std::span<const uint8_t> head(buffer.data(), static_cast<size_t>(headSize));
  const auto offset = PeChecksumOffset(head);
  if (!offset) return ProgramCheck::NotAProgram;
  const uint32_t recorded = ReadPeChecksum(head, *offset);

  PeChecksumAccumulator sum(*offset);
  sum.add(head);
  for (;;) {
    const int64_t got = ReadFully(*file, buffer.data(), buffer.size());
    if (got < 0) return ProgramCheck::Unreadable;
    if (got == 0) break;
    sum.add(std::span<const uint8_t>(buffer.data(), static_cast<size_t>(got)));
  }
  file->close();
  if (recorded == 0) return ProgramCheck::NotStamped;
  return sum.result() == recorded ? ProgramCheck::Intact : ProgramCheck::Damaged;
}

bool VerifyProgramChecksum(platform::FileSystem& files, const std::string& path) {
  return CheckProgramFile(files, path) == ProgramCheck::Intact;
}

}  // namespace velmar
