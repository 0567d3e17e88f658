// The shell link codec on bytes: our own links, links that Windows and Wine
// shells made (tests/data/lnk), hand-built older forms, and damaged files.

#include "formats/shell_link.h"

#include <gtest/gtest.h>


#include "support/fixture/shell_ports.h"

namespace velmar::platform {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::optional<ShortcutProperties> Decode(const std::vector<uint8_t>& bytes) { return DecodeShellLink(bytes); }

// The target a link names, or "<refused>".
std::string TargetOf(const std::vector<uint8_t>& bytes) {
  const auto link = DecodeShellLink(bytes);
  return link ? link->target : "<refused>";
}

std::vector<uint8_t> Encode(const ShortcutProperties& p) {
  auto bytes = EncodeShellLink(p);
  EXPECT_TRUE(bytes);
  return bytes.value_or(std::vector<uint8_t>());
}

// Little-endian pieces for hand-built links.
struct Builder {
  std::vector<uint8_t> b;
  Builder& u8(uint8_t v) { return b.push_back(v), *this; }
  Builder& u16(uint32_t v) { return u8(v & 0xFF).u8(v >> 8); }
  Builder& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Builder& raw(std::string_view s) { return b.insert(b.end(), s.begin(), s.end()), *this; }
  Builder& wide(std::u16string_view s) {
    for (char16_t c : s) u16(c);
    return *this;
  }
  void set16(size_t at, uint32_t v) { b[at] = v & 0xFF, b[at + 1] = v >> 8; }
};

Builder Header(uint32_t flags) {
  Builder h;
  h.u32(0x4C).raw(std::string_view("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
  h.u32(flags);
  for (int i = 0; i < 13; ++i) h.u32(0);  // attributes, times, size, icon, show, hot key, reserved
  return h;
}

const ShortcutProperties Full =
    test::Shortcut("C:\\Velmar Projekte\\Anlage Süd\\Süd.VPR", "C:\\Velmar Projekte\\Anlage Süd\\",
                   "VELMAR project shortcut – Łódź €", "/regserver \"a b\"", "C:\\Velmar\\VelmarPM.exe", 3);

}  // namespace

// A network path whose share or first folder name is empty would read back
// as another path: such a target is refused, a link that holds one reads. An
// empty name further down, or two backslashes that begin no share, read back.
TEST(ShellLink, TargetsTheFormatCannotHoldAreRefused) {
  ShortcutProperties p;
  p.description.assign(65535, 'x');
  EXPECT_EQ(Decode(Encode(p)), p);
  p.description += 'x';
  EXPECT_FALSE(EncodeShellLink(p));
  for (const auto& [target, held] : std::vector<std::pair<const char*, bool>>{
           {"\\\\se\\\\er\\share\\Velmar\\x", false}, {"\\\\server\\\\", false},
           {"\\\\server\\share\\\\x", false}, {"\\\\server\\share\\a\\\\b", true}, {"\\\\\\VelmarS\\", true}}) {
    ShortcutProperties q;
    q.target = target;
    EXPECT_EQ(EncodeShellLink(q).has_value(), held) << target;
    if (held) {
      EXPECT_EQ(Decode(Encode(q)), q) << target;
    }
  }
}

// The sample of the format's own documentation (item ID list with extension
// blocks, ANSI link info, relative path, a tracker block) and the links the
// Wine shell made. Told to ignore the link info, the reader follows the item
// ID list to the same target (a folder without "\").
TEST(ShellLink, ReadsLinksThatShellsMade) {
  const std::string targets = "C:\\VelmarSamples\\";
  const std::string project = targets + "Demo Project\\";
  const struct {
    const char* file;
    ShortcutProperties expected;
  } samples[] = {
      {"windows_format_sample.lnk", test::Shortcut("C:\\test\\a.txt", "C:\\test", "")},
      {"program.lnk", test::Shortcut(targets + "VelmarPM.exe", targets, "Projektverwaltung für études",
                                     "/regserver \"a b\"", targets + "VelmarPM.exe", 2)},
      {"folder.lnk", test::Shortcut(project, targets, "Demo folder")},
      {"missing.lnk", test::Shortcut(targets + "Later\\Plant.VPR", targets + "Later\\", "Not there")},
  };
  for (const auto& s : samples) {
    SCOPED_TRACE(s.file);
    auto bytes = Bytes(test::ReadTestData(std::string("lnk\\") + s.file));
    EXPECT_EQ(Decode(bytes), s.expected);
    bytes[21] |= 0x01;  // ForceNoLinkInfo
    std::string target = s.expected.target;
    if (target.back() == '\\') target.pop_back();
    EXPECT_EQ(TargetOf(bytes), target);
  }
}

// Link info with only an ANSI local path, as shells write it.
void AnsiLinkInfo(Builder& b, std::string_view path) {
  const size_t info = b.b.size();
  b.u32(0).u32(0x1C).u32(1).u32(0x1C).u32(0x2D).u32(0).u32(0);
  b.u32(0x11).u32(3).u32(0x12345678).u32(0x10).u8(0);
  const size_t suffix = b.b.size() + path.size() + 1 - info;
  b.raw(path).u8(0).u8(0);
  b.b[info + 24] = static_cast<uint8_t>(suffix);
  b.b[info] = static_cast<uint8_t>(b.b.size() - info);
}

TEST(ShellLink, ReadsAnsiStringsAndAnsiLinkInfo) {
  // A link as older shells wrote it: no Unicode, code page 1252.
  Builder b = Header(0x02 | 0x04 | 0x10);
  const std::string_view folder("C:\\Gr\xFC\xDF" "e\\");
  AnsiLinkInfo(b, std::string(folder) + "P.VPR");
  b.u16(7).raw("Projekt").u16(9).raw(folder).u32(0);
  EXPECT_EQ(Decode(b.b), test::Shortcut("C:\\Grüße\\P.VPR", "C:\\Grüße\\", "Projekt"));
}

// An item ID list as shells write it: My Computer, the drive, then a folder
// item for each name with its long name in an extension block.
void IdList(Builder& b, const std::vector<std::u16string>& names) {
  const size_t list = b.b.size();
  b.u16(0);
  b.u16(0x14).u8(0x1F).u8(0x50).raw(
      std::string_view("\xE0\x4F\xD0\x20\xEA\x3A\x69\x10\xA2\xD8\x08\x00\x2B\x30\x30\x9D", 16));
  b.u16(0x19).u8(0x2F).raw(std::string_view("C:\\\0", 4)).raw(std::string(18, '\0'));
  for (const std::u16string& name : names) {
    const size_t folder = b.b.size();
    b.u16(0).u8(0x31).u8(0).u32(0).u32(0).u16(0x10).raw(std::string_view("FOLDER~1\0\0", 10));
    const size_t block = b.b.size();
    b.u16(0).u16(9).u32(0xBEEF0004).u32(0).u32(0).u16(0x2E);
    b.u16(0).u32(0).u32(0).u32(0).u32(0).u16(0).u32(0).u32(0);
    b.wide(name).u16(0).u16(static_cast<uint32_t>(block - folder));
    b.set16(block, static_cast<uint32_t>(b.b.size() - block));
    b.set16(folder, static_cast<uint32_t>(b.b.size() - folder));
  }
  b.u16(0);
  b.set16(list, static_cast<uint32_t>(b.b.size() - list - 2));
}

// Names beyond the code page: the link info holds them in the ANSI code page
// of the machine that made it (here 936), the item list in Unicode, which
// the reader prefers. A path longer than 260 characters reads whole.
TEST(ShellLink, PrefersTheItemListsUnicodeNamesAndReadsLongPaths) {
  Builder chinese = Header(0x01 | 0x02);
  IdList(chinese, {u"\u9879\u76EE", u"\u6E2F\u53E3"});
  AnsiLinkInfo(chinese, "C:\\\xCF\xEE\xC4\xBF\\\xB8\xDB\xBF\xDA");
  chinese.u32(0);
  EXPECT_EQ(TargetOf(chinese.b), "C:\\\xE9\xA1\xB9\xE7\x9B\xAE\\\xE6\xB8\xAF\xE5\x8F\xA3");

  std::vector<std::u16string> names(30, u"Anlage S\u00FCd");
  std::string longPath = "C:";
  for (size_t i = 0; i < names.size(); ++i) longPath += "\\Anlage S\xC3\xBC" "d";
  ASSERT_GT(longPath.size(), 300u);
  Builder deep = Header(0x01);
  IdList(deep, names);
  deep.u32(0);
  EXPECT_EQ(TargetOf(deep.b), longPath);
  deep.b[0x4C + 2 + 4] = 0x21;  // a list that starts elsewhere (the control panel, say) names no file
  EXPECT_EQ(TargetOf(deep.b), "");
}

TEST(ShellLink, ReadsOneByteItemsAndEmptyStringsAtTheVeryEnd) {
  // An item of three bytes holds its type and nothing else; the link info
  // still names the target.
  auto ours = Encode(Full);
  Builder b = Header((ours[20] | ours[21] << 8) | 0x01);
  b.u16(5).u16(3).u8(0x00).u16(0);  // the list: one item of type 0 only, then its end
  b.b.insert(b.b.end(), ours.begin() + 0x4C, ours.end());
  EXPECT_EQ(TargetOf(b.b), Full.target);

  // A description of length 0 as the last bytes of an ANSI link.
  Builder ansi = Header(0x04);
  ansi.u16(0);
  const auto empty = Decode(ansi.b);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->description, "");
}

TEST(ShellLink, EveryTruncationIsRefused) {
  // Where the string data ends, a link may end too (the end-of-data block is
  // sometimes left out); a cut anywhere before is refused.
  const auto ours = Encode(Full);
  EXPECT_EQ(Decode(ours), Full);  // every property of ours reads back
  const struct {
    std::vector<uint8_t> bytes;
    size_t stringsEnd;
  } links[] = {{ours, ours.size() - 4},
               {Bytes(test::ReadTestData("lnk\\windows_format_sample.lnk")), 0x167}};
  for (const auto& link : links) {
    EXPECT_TRUE(Decode(std::vector<uint8_t>(link.bytes.begin(), link.bytes.begin() + link.stringsEnd)));
    for (size_t n = 0; n < link.stringsEnd; ++n)
      EXPECT_FALSE(Decode(std::vector<uint8_t>(link.bytes.begin(), link.bytes.begin() + n))) << "cut at " << n;
  }
}

TEST(ShellLink, DamagedFieldsAreRefused) {
  const auto good = Encode(Full);
  auto damaged = [&](size_t at, std::vector<uint8_t> with) {
    auto bytes = good;
    std::copy(with.begin(), with.end(), bytes.begin() + at);
    return Decode(bytes);
  };
  EXPECT_FALSE(damaged(4, {0x02}));                       // class id
  EXPECT_FALSE(damaged(0x4C, {0xFF, 0xFF, 0xFF, 0x7F}));  // link info size beyond the end
  EXPECT_FALSE(damaged(0x4C, {0x10, 0, 0, 0}));           // link info smaller than its header
  EXPECT_FALSE(damaged(0x4C + 28, {0xF0, 0xFF, 0, 0}));   // Unicode local path offset outside
  const uint32_t infoSize = good[0x4C] | (good[0x4D] << 8);
  EXPECT_FALSE(damaged(0x4C + infoSize, {0xFF, 0xFF}));  // description longer than the file
  auto bytes = good;
  bytes.insert(bytes.end() - 4, {0x40, 0, 0, 0, 0x01, 0, 0, 0xA0});  // an extra block cut short
  EXPECT_FALSE(Decode(bytes));

  // The format sample has ANSI link info only, after a 0xBD-byte ID list.
  const auto sample = Bytes(test::ReadTestData("lnk\\windows_format_sample.lnk"));
  const size_t info = 0x4C + 2 + 0xBD;
  bytes = sample;
  std::fill(bytes.begin() + info + 0x2D, bytes.begin() + info + 0x3C, 'x');  // no terminator: the path would run on
  EXPECT_FALSE(Decode(bytes));
  bytes = sample;
  bytes[0x4C + 2 + 0x14 + 0x19] = 0xFF;  // an item longer than its list
  EXPECT_FALSE(Decode(bytes));
  EXPECT_FALSE(Decode(Bytes("REGEDIT4\r\n")));
}

}  // namespace velmar::platform
