#include "formats/zip/zip_directory.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <array>

#include "base/errors.h"
#include "formats/zip/zip_time.h"
#include "support/files/memory_file_system.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::MemoryFile;
using test::ZipEntry;
using test::ZipOptions;

std::vector<std::string> Names(const ZipDirectory& dir) {
  std::vector<std::string> names;
  for (const TAbArchiveItem& item : dir.items) names.push_back(item.FileName);
  return names;
}

ZipDirectory Read(const std::string& bytes) {
  MemoryFile file(bytes);
  return ReadZipDirectory(file, "C:\\Media\\Velmar3410.zip");
}

std::string ReadError(const std::string& bytes) {
  try {
    Read(bytes);
  } catch (const InstallerError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ZipDirectory, NamesAreUtf8WithFlagOrUnicodeFieldOtherwiseCp437) {
  // Info-ZIP's Unicode path field: version 1, CRC-32 of the stored name, UTF-8 name.
  auto unicodePath = [](std::string_view stored, std::string_view utf8) {
    uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(stored.data()), uInt(stored.size())));
    uint16_t size = uint16_t(5 + utf8.size());
    std::string field = {'\x75', '\x70', char(size & 0xFF), char(size >> 8), '\x01'};
    for (int i = 0; i < 4; ++i) field += char((crc >> (8 * i)) & 0xFF);
    return field + std::string(utf8);
  };
  ZipDirectory dir = Read(BuildZip({
      {.name = "Gr\x81\xE1" "e.txt", .data = "1"},
      {.name = "Gr\xC3\xBC\xC3\x9F" "e.txt", .data = "2", .utf8 = true},
      {.name = "Gr\x81\xE1" "e.txt", .data = "3", .centralExtra = unicodePath("Gr\x81\xE1" "e.txt", "Grüße-u.txt")},
      {.name = "Gr\x81\xE1" "e.txt", .data = "4", .centralExtra = unicodePath("renamed.txt", "stale")},
      {.name = "bad\xFF.txt", .data = "5", .utf8 = true},
      {.name = "win\\style\\path.txt", .data = "6"},
  }));
  // The fourth's field belongs to another name.
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"Grüße.txt", "Grüße.txt", "Grüße-u.txt", "Grüße.txt",
                                                  "bad\xEF\xBF\xBD.txt", "win/style/path.txt"}));
}

// An NTFS extra field whose modification time is the given value.
std::string NtfsTimeField(uint64_t time) {
  std::string field("\x0A\x00\x20\x00\0\0\0\0\x01\x00\x18\x00", 12);
  for (int i = 0; i < 8; ++i) field += char(time >> (8 * i));
  return field + std::string(16, '\0');
}

// The exact time comes from an extra field. An NTFS time before the file time
// epoch is no time (a file system cannot take it): the item keeps its other time.
TEST(ZipDirectory, TakesTheExactTimeFromExtraFields) {
  ZipDirectory dir = Read(BuildZip({{.name = "n", .data = "", .centralExtra = NtfsTimeField(0x8000000000000000)},
                                    {.name = "u", .data = "", .unixTime = 1600000000,
                                     .centralExtra = NtfsTimeField(0xFFFFFFFFFFFFFFFF)},
                                    {.name = "t", .data = "", .centralExtra = NtfsTimeField(132000000000000000)}}));
  EXPECT_FALSE(dir.items[0].LastWriteTime);
  EXPECT_EQ(dir.items[1].LastWriteTime, 116444736000000000 + 1600000000LL * 10000000);
  EXPECT_EQ(dir.items[2].LastWriteTime, 132000000000000000);
}

TEST(ZipTime, DosDateAndTimeOutOfRangeAreBroughtIntoRange) {
  LocalDateTime t = DosDateTimeToLocal(0, 0xFFFF);  // month and day 0; 31:63:62
  EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}), (std::array{1980, 1, 1, 23, 59, 58}));
  t = DosDateTimeToLocal((2023 - 1980) << 9 | 2 << 5 | 31, 0);  // 31 February of a common year
  EXPECT_EQ(t.day, 28);
  t = DosDateTimeToLocal((2024 - 1980) << 9 | 2 << 5 | 30, 0);
  EXPECT_EQ(t.day, 29);
}

TEST(ZipDirectory, FindsTheEndRecordPastAFakeOneInTheComment) {
  std::string fake = "PK\x05\x06" + std::string(18, '\0');
  ZipDirectory dir = Read(BuildZip({{.name = "a", .data = "a"}}, {.comment = "x" + fake}));
  EXPECT_EQ(dir.items.size(), 1u);
  EXPECT_EQ(dir.comment.size(), 1 + fake.size());
}

TEST(ZipDirectory, RefusesArchivesThatCannotBeReadAsAWhole) {
  const std::string good = BuildZip({{.name = "a.txt", .data = "alpha"}, {.name = "b.txt", .data = "beta"}});
  const ZipEntry a = {.name = "a", .data = "a"};
  std::string zip64 = BuildZip({a}, {.zip64 = true});
  zip64[zip64.find("PK\x06\x06")] = 'X';
  const struct {
    std::string bytes;
    const char* error;
  } cases[] = {
      {"", "too short"},
      {good.substr(0, good.size() - 10), "no end of central directory"},
      {BuildZip({a}, {.entryCount = 2}), "item count"},
      {BuildZip({a}, {.directoryOffset = 1u << 30}), "outside the file"},
      {BuildZip({a}, {.directoryOffset = 3}), "damaged"},
      {BuildZip({{.name = "a", .data = "a", .compressedSize = 1u << 20}}), "\"a\" lies outside"},
      {BuildZip({{.name = "a", .data = "a", .localHeaderOffset = 0xFFFFFFF0u}}), "lies outside"},
      {zip64, "ZIP64 end record"},
      {BuildZip({a}, {.zip64 = true, .entryCount = 1000}), "item count"},
  };
  for (const auto& c : cases) {
    const std::string error = ReadError(c.bytes);
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_NE(error.find("C:\\Media\\Velmar3410.zip"), std::string::npos) << error;  // every message names the archive
  }
}

}  // namespace
}  // namespace velmar
