#pragma once
// Builds zip archives in memory, including damaged and hostile ones: for tests
// and for the tools that make sample media. The installer itself writes none.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Tests name only the fields of an entry they need ({.name = "a", .data = "b"}).
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace velmar::zipwrite {

struct ZipEntry {
  std::string name;  // bytes as stored
  std::string data;
  uint16_t method = 8;  // 0 Stored, 8 Deflate; any other value stores the data as it is
  bool utf8 = false;    // general purpose bit 11
  bool dataDescriptor = false;
  bool encrypted = false;  // bit 0 only; the data is not encrypted
  uint16_t dosDate = (2021 - 1980) << 9 | 6 << 5 | 15;  // 15/06/2021
  uint16_t dosTime = 14 << 11 | 30 << 5 | 10 / 2;       // 14:30:10
  std::optional<int32_t> unixTime;                       // extended timestamp field
  uint16_t versionMadeBy = 20;                           // MS-DOS host
  uint32_t externalAttributes = 0;
  std::string centralExtra;  // more raw extra fields
  // Lies told by the central directory.
  std::optional<uint32_t> crc;
  std::optional<uint64_t> compressedSize, uncompressedSize, localHeaderOffset;
};

struct ZipOptions {
  std::string comment;
  bool zip64 = false;  // ZIP64 fields for every entry and the ZIP64 end records
  std::optional<uint64_t> entryCount, directorySize, directoryOffset;  // lies of the end record
};

std::string RawDeflate(std::string_view data);
std::string BuildZip(const std::vector<ZipEntry>& entries, const ZipOptions& options = {});

// Deterministic bytes that do not compress.
std::string RandomBytes(size_t size, uint32_t seed = 1);

}  // namespace velmar::zipwrite
