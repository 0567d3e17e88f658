// The item reader with blocks of any size: a local header longer than a
// block (a long name) is passed over, not a reason to fail.

#include "formats/zip/zip_item_reader.h"

#include <gtest/gtest.h>

#include "formats/zip/zip_directory.h"
#include "support/files/memory_file_system.h"
#include "support/zip_writer.h"

namespace velmar {
namespace {

TEST(ZipItemReader, ReadsItemsWhoseHeaderIsLongerThanABlock) {
  const std::string text = test::RandomBytes(500, 3);
  const std::string longName = std::string(150, 'n') + ".txt";
  const std::string archive = test::BuildZip({{.name = longName, .data = text, .method = 0},
                                              {.name = "Install/" + longName, .data = text, .unixTime = 7},
                                              {.name = "short", .data = text}});
  test::MemoryFile file(archive);
  const ZipDirectory directory = ReadZipDirectory(file, "long.zip");
  ASSERT_EQ(directory.items.size(), 3u);
  for (size_t block : {size_t(64), size_t(200), ZipItemReader::DefaultBlockSize}) {
    ZipItemReader reader(block);
    for (size_t index = 0; index < directory.items.size(); ++index) {
      const TAbArchiveItem& item = directory.items[index];
      std::string out;
      const ItemOutcome outcome = reader.read(file, directory, index, [&](const uint8_t* data, size_t size) {
        out.append(reinterpret_cast<const char*>(data), size);
        return true;
      });
      EXPECT_EQ(outcome.status, ItemOutcome::Done) << item.FileName << ", block " << block << ", code " << outcome.errorCode;
      EXPECT_EQ(out, text) << item.FileName << ", block " << block;
    }
  }
}

}  // namespace
}  // namespace velmar
