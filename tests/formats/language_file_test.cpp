#include "formats/language_file.h"

#include <gtest/gtest.h>

#include <random>

#include "base/errors.h"
#include "services/text/language_test_files.h"

namespace velmar {
namespace {

using langtest::Block;
using langtest::Entry;
using langtest::Le;

StoredTexts Read(const std::string& bytes, uint64_t offset = 0) {
  BufferSource source(bytes);
  return ReadGroupBlock(source, offset);
}

TEST(LanguageFile, GroupBlockRoundTrip) {
  const std::string block = BuildGroupBlock({"Eins", "", "Dr\xFC" "ck"});
  ASSERT_EQ(block.size(), 44u + 3 * 8 + 9);
  const StoredTexts texts = Read(block);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Eins");
  EXPECT_EQ(texts[1], "");
  EXPECT_EQ(texts[2], "Dr\xFC" "ck");
}

TEST(LanguageFile, CombinedFileHasSixteenGroupsWithTheSetupGroupLast) {
  const std::string block = BuildGroupBlock({"a"});
  const std::string file = BuildCombinedFile(block);
  BufferSource source(file);
  const CombinedDirectory directory = ReadCombinedDirectory(source);
  ASSERT_TRUE(directory.hasMagic);
  ASSERT_EQ(directory.entries.size(), 16u);
  for (int i = 0; i < 15; ++i) EXPECT_LE(directory.entries[i].size, 0) << i;
  EXPECT_EQ(directory.entries[15].name, "VSETUP");
  EXPECT_EQ(directory.entries[15].offset, 49 + 16 * 49);
  EXPECT_EQ(directory.entries[15].size, int32_t(block.size()));
  EXPECT_EQ(Read(file, uint64_t(directory.entries[15].offset)), StoredTexts{"a"});
}

TEST(LanguageFile, DirectoryDistrustsItsHeader) {
  std::string file = BuildCombinedFile(BuildGroupBlock({"a"}));
  const auto directoryOf = [](const std::string& bytes) {
    BufferSource source(bytes);
    return ReadCombinedDirectory(source);
  };

  std::string negative = file;
  negative.replace(41, 4, Le(0xFFFFFFFF, 4));  // -1 groups
  EXPECT_TRUE(directoryOf(negative).entries.empty());

  std::string many = file;
  many.replace(41, 4, Le(100000, 4));
  EXPECT_EQ(directoryOf(many).entries.size(), 16u);

  std::string longName = file;
  longName[49] = char(200);  // name length byte beyond the 40 characters of the field
  EXPECT_EQ(directoryOf(longName).entries[0].name.size(), 40u);

  // Cut inside the directory: the entries that were not read are absent.
  const CombinedDirectory cut = directoryOf(file.substr(0, 49 + 3 * 49 + 10));
  ASSERT_EQ(cut.entries.size(), 16u);
  EXPECT_EQ(cut.entries[15].size, 0);

  EXPECT_FALSE(directoryOf(std::string("\x0FVELMAR_LANGUAG", 15)).hasMagic);
  EXPECT_FALSE(directoryOf("\x0Fvelmar_language" + std::string(40, '\0')).hasMagic);
}

TEST(LanguageFile, EntriesOutsideTheStringDataAreDamaged) {
  const std::string data = "HelloWorld";
  const std::string block = Block(5, 40, uint32_t(data.size()),
                                  {Entry(1, 5),            // Hello
                                   Entry(0, 3),            // offsets are 1-based
                                   Entry(6, 6),            // one byte past the end
                                   Entry(0xFFFFFFFF, 1),   // no overflow
                                   Entry(0xFFFFFFFF, 0)},  // length 0 is no text, whatever the offset
                                  data);
  EXPECT_EQ(Read(block), (StoredTexts{"Hello", std::nullopt, std::nullopt, std::nullopt, ""}));
}

TEST(LanguageFile, CountBeyondTheIndexTableGivesDamagedEntries) {
  // Four texts, but an index table of two entries, the string data after it.
  const std::string block = Block(4, 16, 2, {Entry(1, 1), Entry(2, 1)}, "ab");
  EXPECT_EQ(Read(block), (StoredTexts{"a", "b", std::nullopt, std::nullopt}));
}

TEST(LanguageFile, SizesLargerThanTheFileAreCappedByWhatWasRead) {
  // The header claims 4 GB of string data; only what is there is used.
  const std::string block = Block(2, 16, 0xFFFFFFFF, {Entry(1, 3), Entry(3, 100)}, "abcdef");
  EXPECT_EQ(Read(block), (StoredTexts{"abc", std::nullopt}));

  // The index table runs past the end of the file.
  const std::string shortIndex = Block(3, 24, 10, {Entry(1, 1)}, "");
  EXPECT_EQ(Read(shortIndex), (StoredTexts{std::nullopt, std::nullopt, std::nullopt}));
}

TEST(LanguageFile, TruncatedOrEmptyBlocksGiveNoTexts) {
  const std::string block = BuildGroupBlock({"one", "two"});
  EXPECT_TRUE(Read("").empty());
  EXPECT_TRUE(Read(block.substr(0, 20)).empty());               // header cut short
  EXPECT_TRUE(Read(block, block.size() + 1000).empty());        // offset past the end
  EXPECT_TRUE(Read(Block(2, 0, 6, {}, "onetwo")).empty());       // index size 0
  EXPECT_TRUE(Read(Block(2, 16, 0, {Entry(1, 3)}, "")).empty());  // data size 0
  // Cut inside the string data: the first text survives, the second is damaged.
  EXPECT_EQ(Read(block.substr(0, block.size() - 1)), (StoredTexts{"one", std::nullopt}));
}

// Random damage never yields bytes that are not in the file.
TEST(LanguageFile, DamagedFilesYieldOnlyTheirOwnBytes) {
  std::vector<std::string> texts;
  for (int i = 0; i < 40; ++i) texts.push_back(i % 7 == 0 ? "" : "text " + std::to_string(i));
  const std::string good = BuildCombinedFile(BuildGroupBlock(texts));
  std::mt19937 random(1234);
  for (int round = 0; round < 3000; ++round) {
    std::string file = good.substr(0, random() % (good.size() + 1));
    const int flips = 1 + int(random() % 8);
    for (int i = 0; i < flips && !file.empty(); ++i) file[random() % file.size()] = static_cast<char>(random());
    BufferSource source(file);
    const CombinedDirectory directory = ReadCombinedDirectory(source);
    ASSERT_LE(directory.entries.size(), 16u);
    for (const DirectoryEntry& entry : directory.entries) {
      ASSERT_LE(entry.name.size(), 40u);
      if (entry.size <= 0 || entry.offset < 0) continue;
      for (const auto& text : ReadGroupBlock(source, uint64_t(entry.offset))) {
        if (text && !text->empty()) {
          ASSERT_NE(file.find(*text), std::string::npos) << round;
        }
      }
    }
  }
}

TEST(LanguageFile, BuilderRefusesWhatTheFormatCannotHold) {
  EXPECT_NO_THROW(BuildGroupBlock(std::vector<std::string>(8191, "x")));
  EXPECT_THROW(BuildGroupBlock(std::vector<std::string>(8192, "x")), InstallerError);
  EXPECT_NO_THROW(BuildGroupBlock({std::string(65535, 'x')}));
  EXPECT_THROW(BuildGroupBlock({std::string(65536, 'x')}), InstallerError);
}

TEST(LanguageFile, NamesAndCodePages) {
  EXPECT_EQ(LanguageFileExtension(49), ".L49");
  EXPECT_EQ(LanguageFileExtension(7), ".L07");
  EXPECT_EQ(LanguageCodeOfFileName("C:\\Medium\\vsetup.l48"), 48);
  EXPECT_EQ(LanguageCodeOfFileName("Velmar.L07"), 7);
  EXPECT_EQ(LanguageCodeOfFileName("Velmar.L4"), 0);
  EXPECT_EQ(LanguageCodeOfFileName("Velmar.txt"), 0);
  EXPECT_EQ(LanguageCodeOfFileName("C:\\A.L49\\file"), 0);
  EXPECT_EQ(LanguageCodePage(48), CodePage::Cp1250);
  EXPECT_EQ(LanguageCodePage(33), CodePage::Cp1252);
}

}  // namespace
}  // namespace velmar
