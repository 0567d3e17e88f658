#include "formats/language_file.h"

#include <gtest/gtest.h>


#include "base/errors.h"
#include "text/language_test_files.h"

namespace velmar {
namespace {

using langtest::Block;
using langtest::Entry;
using langtest::Le;

StoredTexts Read(const std::string& bytes, uint64_t offset = 0) {
  BufferSource source(bytes);
  return ReadGroupBlock(source, offset);
}

TEST(LanguageFile, DirectoryDistrustsItsHeader) {
  const std::string file = BuildCombinedFile(BuildGroupBlock({"a"}));
  const auto directoryOf = [](const std::string& bytes) {
    BufferSource source(bytes);
    return ReadCombinedDirectory(source);
  };

  const auto patched = [&](size_t at, const std::string& bytes) {
    return directoryOf(std::string(file).replace(at, bytes.size(), bytes));
  };
  EXPECT_TRUE(patched(41, Le(0xFFFFFFFF, 4)).entries.empty());  // -1 groups
  EXPECT_EQ(patched(41, Le(100000, 4)).entries.size(), 16u);
  EXPECT_EQ(patched(49, std::string(1, char(200))).entries[0].name.size(), 40u);  // beyond the 40 of the field

  // Cut inside the directory: the entries that were not read are absent.
  const CombinedDirectory cut = directoryOf(file.substr(0, 49 + 3 * 49 + 10));
  ASSERT_EQ(cut.entries.size(), 16u);
  EXPECT_EQ(cut.entries[15].size, 0);

  EXPECT_FALSE(directoryOf(std::string("\x0FVELMAR_LANGUAG", 15)).hasMagic);
  EXPECT_FALSE(directoryOf("\x0Fvelmar_language" + std::string(40, '\0')).hasMagic);
}

// What a header, an index entry or a cut promises beyond the bytes there is
// damaged (nullopt); what lies inside is read.
TEST(LanguageFile, DamagedBlocksGiveOnlyWhatIsThere) {
  const std::string good = BuildGroupBlock({"one", "two"});
  const std::optional<std::string> none;
  const struct {
    const char* what;
    std::string block;
    StoredTexts expected;
  } cases[] = {
      {"entries outside the string data",
       Block(5, 40, 10,
             {Entry(1, 5),            // Hello
              Entry(0, 3),            // offsets are 1-based
              Entry(6, 6),            // one byte past the end
              Entry(0xFFFFFFFF, 1),   // no overflow
              Entry(0xFFFFFFFF, 0)},  // length 0 is no text, whatever the offset
             "HelloWorld"),
       {"Hello", none, none, none, ""}},
      {"a count beyond the index table", Block(4, 16, 2, {Entry(1, 1), Entry(2, 1)}, "ab"), {"a", "b", none, none}},
      {"4 GB of string data claimed", Block(2, 16, 0xFFFFFFFF, {Entry(1, 3), Entry(3, 100)}, "abcdef"), {"abc", none}},
      {"an index table past the end of the file", Block(3, 24, 10, {Entry(1, 1)}, ""), {none, none, none}},
      {"a cut inside the string data", good.substr(0, good.size() - 1), {"one", none}},
      {"empty", "", {}},
      {"a header cut short", good.substr(0, 20), {}},
      {"index size 0", Block(2, 0, 6, {}, "onetwo"), {}},
      {"data size 0", Block(2, 16, 0, {Entry(1, 3)}, ""), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.block), c.expected) << c.what;
  EXPECT_TRUE(Read(good, good.size() + 1000).empty());  // offset past the end
}

TEST(LanguageFile, BuilderRefusesWhatTheFormatCannotHold) {
  EXPECT_NO_THROW(BuildGroupBlock(std::vector<std::string>(8191, "x")));
  EXPECT_THROW(BuildGroupBlock(std::vector<std::string>(8192, "x")), InstallerError);
  EXPECT_NO_THROW(BuildGroupBlock({std::string(65535, 'x')}));
  EXPECT_THROW(BuildGroupBlock({std::string(65536, 'x')}), InstallerError);
}

}  // namespace
}  // namespace velmar
