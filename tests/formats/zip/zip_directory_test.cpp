#include "formats/zip/zip_directory.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <array>

#include "base/errors.h"
#include "formats/zip/zip_time.h"
#include "support/memory_file_system.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

using test::BuildZip;
using test::MemoryFile;
using test::ZipEntry;
using test::ZipOptions;

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

TEST(ZipDirectory, ListsItemsInStoredOrderWithSizesAndComment) {
  std::string archive = BuildZip({{.name = "b.txt", .data = "hello hello hello"},
                                  {.name = "sub/", .data = "", .method = 0},
                                  {.name = "sub/a.bin", .data = "xyz", .method = 0}},
                                 {.comment = "Release 3.4 \x84"});
  ZipDirectory dir = Read(archive);
  ASSERT_EQ(dir.items.size(), 3u);
  EXPECT_EQ(dir.items[0].FileName, "b.txt");
  EXPECT_EQ(dir.items[0].UncompressedSize, 17u);
  EXPECT_EQ(dir.items[0].CompressionMethod, 8);
  EXPECT_EQ(dir.items[0].CRC32, 0xe5f98880u);
  EXPECT_TRUE(dir.items[1].IsDirectory());
  EXPECT_EQ(dir.items[2].FileName, "sub/a.bin");
  EXPECT_EQ(dir.comment, "Release 3.4 ä");
}

TEST(ZipDirectory, EmptyArchiveHasNoItems) {
  ZipDirectory dir = Read(BuildZip({}));
  EXPECT_TRUE(dir.items.empty());
  EXPECT_EQ(dir.comment, "");
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
  ASSERT_EQ(dir.items.size(), 6u);
  EXPECT_EQ(dir.items[0].FileName, "Grüße.txt");
  EXPECT_EQ(dir.items[1].FileName, "Grüße.txt");
  EXPECT_EQ(dir.items[2].FileName, "Grüße-u.txt");
  EXPECT_EQ(dir.items[3].FileName, "Grüße.txt");  // the field belongs to another name
  EXPECT_EQ(dir.items[4].FileName, "bad\xEF\xBF\xBD.txt");
  EXPECT_EQ(dir.items[5].FileName, "win/style/path.txt");
}

TEST(ZipDirectory, ReadsZip64RecordsAndFields) {
  std::string archive = BuildZip({{.name = "big.dat", .data = std::string(70000, 'x')}, {.name = "small", .data = "s"}},
                                 {.comment = "z64", .zip64 = true});
  ZipDirectory dir = Read(archive);
  ASSERT_EQ(dir.items.size(), 2u);
  EXPECT_EQ(dir.items[0].UncompressedSize, 70000u);
  EXPECT_GT(dir.items[1].RelativeOffset, 0u);
  EXPECT_LT(dir.items[1].RelativeOffset, dir.centralDirectoryOffset);
  EXPECT_EQ(dir.comment, "z64");
}

TEST(ZipDirectory, TakesTheExactTimeFromExtraFields) {
  ZipDirectory dir = Read(BuildZip({{.name = "t", .data = "", .unixTime = 1600000000}, {.name = "d", .data = ""}}));
  ASSERT_TRUE(dir.items[0].LastWriteTime);
  EXPECT_EQ(*dir.items[0].LastWriteTime, 116444736000000000 + 1600000000LL * 10000000);
  EXPECT_FALSE(dir.items[1].LastWriteTime);
}

// An NTFS extra field whose modification time is the given value.
std::string NtfsTimeField(uint64_t time) {
  std::string field("\x0A\x00\x20\x00\0\0\0\0\x01\x00\x18\x00", 12);
  for (int i = 0; i < 8; ++i) field += char(time >> (8 * i));
  return field + std::string(16, '\0');
}

TEST(ZipDirectory, AnNtfsTimeBeforeTheFileTimeEpochIsNoTime) {
  // A file system cannot take such a time: the item keeps its other time.
  ZipDirectory dir = Read(BuildZip({{.name = "n", .data = "", .centralExtra = NtfsTimeField(0x8000000000000000)},
                                    {.name = "z", .data = "", .centralExtra = NtfsTimeField(0)},
                                    {.name = "u", .data = "", .unixTime = 1600000000,
                                     .centralExtra = NtfsTimeField(0xFFFFFFFFFFFFFFFF)},
                                    {.name = "t", .data = "", .centralExtra = NtfsTimeField(132000000000000000)}}));
  EXPECT_FALSE(dir.items[0].LastWriteTime);
  EXPECT_FALSE(dir.items[1].LastWriteTime);
  EXPECT_EQ(dir.items[2].LastWriteTime, 116444736000000000 + 1600000000LL * 10000000);
  EXPECT_EQ(dir.items[3].LastWriteTime, 132000000000000000);
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
  std::string good = BuildZip({{.name = "a.txt", .data = "alpha"}, {.name = "b.txt", .data = "beta"}});
  EXPECT_NE(ReadError("").find("too short"), std::string::npos);
  EXPECT_NE(ReadError("just some text that is not an archive").find("no end of central directory"), std::string::npos);
  EXPECT_NE(ReadError(good.substr(0, good.size() - 10)).find("no end of central directory"), std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a"}}, {.entryCount = 2})).find("item count"), std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a"}, {.name = "b", .data = "b"}}, {.entryCount = 1})).find("item count"),
            std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a"}}, {.directoryOffset = 1u << 30})).find("outside the file"),
            std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a"}}, {.directoryOffset = 3})).find("damaged"), std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a", .compressedSize = 1u << 20}})).find("\"a\" lies outside"),
            std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a", .localHeaderOffset = 0xFFFFFFF0u}})).find("lies outside"),
            std::string::npos);
  // Every message names the archive.
  EXPECT_NE(ReadError("").find("C:\\Media\\Velmar3410.zip"), std::string::npos);
}

TEST(ZipDirectory, RefusesZip64ArchivesWithDamagedRecords) {
  std::string archive = BuildZip({{.name = "a", .data = "a"}}, {.zip64 = true});
  std::string broken = archive;
  broken[broken.find("PK\x06\x06")] = 'X';
  EXPECT_NE(ReadError(broken).find("ZIP64 end record"), std::string::npos);
  EXPECT_NE(ReadError(BuildZip({{.name = "a", .data = "a"}}, {.zip64 = true, .entryCount = 1000})).find("item count"),
            std::string::npos);
}

}  // namespace
}  // namespace velmar
