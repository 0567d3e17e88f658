// Damaged archives, made by cutting and flipping bytes of a good one: the
// reader either refuses the archive or reads each item to a clear outcome,
// and never gives more data than an item declares.

#include <gtest/gtest.h>

#include <random>

#include "base/errors.h"
#include "formats/zip/zip_directory.h"
#include "formats/zip/zip_item_reader.h"
#include "support/memory_file_system.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

// Reads every item; false when some item gave more than it declares.
bool ReadAll(const std::string& bytes) {
  test::MemoryFile file(bytes);
  ZipDirectory directory;
  try {
    directory = ReadZipDirectory(file, "damaged.zip");
  } catch (const InstallerError&) {
    return true;
  }
  ZipItemReader reader(4096);
  for (size_t index = 0; index < directory.items.size(); ++index) {
    const TAbArchiveItem& item = directory.items[index];
    uint64_t produced = 0;
    ItemOutcome outcome = reader.read(file, directory, index, [&](const uint8_t*, size_t size) {
      produced += size;
      return true;
    });
    if (produced > item.UncompressedSize) return false;
    if (outcome.status == ItemOutcome::Done && produced != item.UncompressedSize) return false;
  }
  return true;
}

std::string Sample(bool zip64) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i * 7) + " of the plant configuration\n";
  return test::BuildZip({{.name = "a.txt", .data = text},
                         {.name = "b.bin", .data = test::RandomBytes(300), .method = 0},
                         {.name = "dir/", .data = "", .method = 0},
                         {.name = "dir/c.txt", .data = text.substr(0, 500), .dataDescriptor = true, .unixTime = 5}},
                        {.comment = "sample", .zip64 = zip64});
}

TEST(ZipMutation, CutArchivesAreRefusedOrReadSafely) {
  for (bool zip64 : {false, true}) {
    std::string good = Sample(zip64);
    for (size_t size = 0; size < good.size(); ++size) EXPECT_TRUE(ReadAll(good.substr(0, size))) << size;
  }
}

TEST(ZipMutation, FlippedBytesAreRefusedOrReadSafely) {
  std::mt19937 next(12345);
  for (bool zip64 : {false, true}) {
    std::string good = Sample(zip64);
    for (int round = 0; round < 3000; ++round) {
      std::string bad = good;
      int flips = 1 + int(next() % 4);
      for (int i = 0; i < flips; ++i) {
        // Mostly into the headers and the directory, where the numbers are.
        size_t at = next() % 2 ? good.size() - 1 - next() % std::min<size_t>(good.size(), 400) : next() % good.size();
        bad[at] = char(next() % 3 == 0 ? 0xFF : next());
      }
      ASSERT_TRUE(ReadAll(bad)) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace velmar
