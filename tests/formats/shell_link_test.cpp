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

TEST(ShellLink, ADescriptionTheFormatCannotHoldIsRefused) {
  ShortcutProperties p;
  p.description.assign(65535, 'x');
  EXPECT_EQ(Decode(Encode(p)), p);
  p.description += 'x';
  EXPECT_FALSE(EncodeShellLink(p));
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
