#include "formats/shell_link.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "base/utf16.h"
#include "base/codepage.h"

namespace velmar {
namespace {

constexpr uint32_t HeaderSize = 0x4C;
// The ANSI strings of a link. Every text is written in UTF-16 as well, and
// the reader takes the UTF-16 form wherever a link has one (Windows shells
// write one too); the ANSI copies serve readers that know no other. A fixed
// code page keeps the codec a function of its bytes alone, the same on every
// machine, and never fails a link for want of a convertible code page.
constexpr CodePage LinkAnsiCodePage = CodePage::Cp1252;
// {00021401-0000-0000-C000-000000000046} as stored.
constexpr std::array<uint8_t, 16> LinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                               0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, "My Computer", the root of drive paths.
constexpr std::array<uint8_t, 16> MyComputerClsid = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                                     0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

namespace flag {
constexpr uint32_t HasIdList = 0x1;
constexpr uint32_t HasLinkInfo = 0x2;
constexpr uint32_t HasName = 0x4;
constexpr uint32_t HasRelativePath = 0x8;
constexpr uint32_t HasWorkingDir = 0x10;
constexpr uint32_t HasArguments = 0x20;
constexpr uint32_t HasIconLocation = 0x40;
constexpr uint32_t IsUnicode = 0x80;
constexpr uint32_t ForceNoLinkInfo = 0x100;
}  // namespace flag

constexpr uint32_t VolumeIdAndLocalBasePath = 1;
constexpr uint32_t CommonNetworkRelativeLink = 2;
constexpr uint32_t DriveFixed = 3;
constexpr uint32_t ShowNormal = 1;
constexpr uint32_t EnvironmentBlockSignature = 0xA0000001;
constexpr size_t EnvironmentBlockSize = 0x314;
constexpr uint32_t FileEntryExtensionSignature = 0xBEEF0004;

// ---- writing ----

class Writer {
 public:
  void u16(uint32_t v) {
    const uint8_t b[2] = {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF)};
    raw(b, 2);
  }
  void u32(uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
  void raw(const void* data, size_t size) {
    if (size == 0) return;
    const size_t at = bytes_.size();
    bytes_.resize(at + size);
    std::memcpy(bytes_.data() + at, data, size);
  }
  void zeros(size_t n) { bytes_.resize(bytes_.size() + n, 0); }
  void ansiz(const std::string& utf8) {
    const std::string ansi = EncodeFromUtf8(utf8, LinkAnsiCodePage);
    raw(ansi.c_str(), ansi.size() + 1);
  }
  void utf16(const std::u16string& s) {
    for (char16_t c : s) u16(c);
  }
  void utf16z(const std::string& utf8) { utf16(Utf8ToUtf16(utf8)), u16(0); }
  void put32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = (v >> (8 * i)) & 0xFF;
  }
  size_t size() const { return bytes_.size(); }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// "\\server\share\rest" -> {"\\server\share", "rest"}; nothing for other paths.
std::optional<std::pair<std::string, std::string>> SplitUncPath(const std::string& path) {
  if (path.size() < 3 || path[0] != '\\' || path[1] != '\\') return std::nullopt;
  const size_t server = path.find('\\', 2);
  if (server == std::string::npos || server == 2) return std::nullopt;
  const size_t share = path.find('\\', server + 1);
  if (share == std::string::npos) return std::pair{path, std::string()};
  return std::pair{path.substr(0, share), path.substr(share + 1)};
}

// The link info says where the target lives: a local path with its volume,
// or a share and the path below it. ANSI and Unicode forms are both written
// so that old and new readers find the path.
void WriteLinkInfo(Writer& w, const std::string& target) {
  const size_t start = w.size();
  const auto unc = SplitUncPath(target);
  w.zeros(0x24);
  uint32_t volumeId = 0, localBase = 0, network = 0, suffix = 0, localBaseW = 0, suffixW = 0;
  if (unc) {
    network = static_cast<uint32_t>(w.size() - start);
    const size_t cnrl = w.size();
    w.u32(0);     // size, set below
    w.u32(0);     // no device name, no provider type
    w.u32(0x1C);  // net name
    w.u32(0);     // device name
    w.u32(0);     // provider type
    w.u32(0);     // Unicode net name, set below
    w.u32(0);     // Unicode device name
    w.ansiz(unc->first);
    w.put32(cnrl + 0x14, static_cast<uint32_t>(w.size() - cnrl));
    w.utf16z(unc->first);
    w.put32(cnrl, static_cast<uint32_t>(w.size() - cnrl));
    suffix = static_cast<uint32_t>(w.size() - start);
    w.ansiz(unc->second);
    suffixW = static_cast<uint32_t>(w.size() - start);
    w.utf16z(unc->second);
  } else {
    volumeId = static_cast<uint32_t>(w.size() - start);
    w.u32(0x11);  // size: the fields and an empty label
    w.u32(DriveFixed);
    w.u32(0);     // serial number unknown
    w.u32(0x10);  // label offset
    w.zeros(1);
    localBase = static_cast<uint32_t>(w.size() - start);
    w.ansiz(target);
    suffix = static_cast<uint32_t>(w.size() - start);
    w.ansiz("");
    localBaseW = static_cast<uint32_t>(w.size() - start);
    w.utf16z(target);
    suffixW = static_cast<uint32_t>(w.size() - start);
    w.utf16z("");
  }
  w.put32(start, static_cast<uint32_t>(w.size() - start));
  w.put32(start + 4, 0x24);
  w.put32(start + 8, unc ? CommonNetworkRelativeLink : VolumeIdAndLocalBasePath);
  w.put32(start + 12, volumeId);
  w.put32(start + 16, localBase);
  w.put32(start + 20, network);
  w.put32(start + 24, suffix);
  w.put32(start + 28, localBaseW);
  w.put32(start + 32, suffixW);
}

// ---- reading ----

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t size() const { return bytes_.size(); }
  bool has(size_t at, size_t n) const { return at <= bytes_.size() && n <= bytes_.size() - at; }
  std::optional<uint32_t> u8(size_t at) const {
    if (!has(at, 1)) return std::nullopt;
    return bytes_[at];
  }
  std::optional<uint32_t> u16(size_t at) const {
    if (!has(at, 2)) return std::nullopt;
    return bytes_[at] | (bytes_[at + 1] << 8);
  }
  std::optional<uint32_t> u32(size_t at) const {
    if (!has(at, 4)) return std::nullopt;
    return bytes_[at] | (bytes_[at + 1] << 8) | (bytes_[at + 2] << 16) | (uint32_t(bytes_[at + 3]) << 24);
  }
  std::optional<Reader> slice(size_t at, size_t n) const {
    if (!has(at, n)) return std::nullopt;
    return Reader(bytes_.subspan(at, n));
  }
  bool equals(size_t at, std::span<const uint8_t> expected) const {
    return has(at, expected.size()) && std::memcmp(&bytes_[at], expected.data(), expected.size()) == 0;
  }
  // A NUL-terminated string that must end inside these bytes; *end is the
  // offset after its terminator.
  std::optional<std::string> ansiz(size_t at, size_t* end = nullptr) const {
    for (size_t i = at; i < bytes_.size(); ++i) {
      if (bytes_[i] != 0) continue;
      if (end) *end = i + 1;
      return DecodeToUtf8(std::string_view(reinterpret_cast<const char*>(&bytes_[at]), i - at), LinkAnsiCodePage);
    }
    return std::nullopt;
  }
  std::optional<std::string> utf16z(size_t at, size_t* end = nullptr) const {
    std::u16string s;
    for (size_t i = at; has(i, 2); i += 2) {
      const char16_t c = static_cast<char16_t>(*u16(i));
      if (c == 0) {
        if (end) *end = i + 2;
        return Utf16ToUtf8(s);
      }
      s += c;
    }
    return std::nullopt;
  }
  std::optional<std::string> ansi(size_t at, size_t n) const {
    if (!has(at, n)) return std::nullopt;
    return DecodeToUtf8(std::string_view(reinterpret_cast<const char*>(bytes_.data() + at), n), LinkAnsiCodePage);
  }
  std::optional<std::string> utf16(size_t at, size_t units) const {
    if (!has(at, units * 2)) return std::nullopt;
    std::u16string s(units, u'\0');
    for (size_t i = 0; i < units; ++i) s[i] = static_cast<char16_t>(*u16(at + 2 * i));
    return Utf16ToUtf8(s);
  }

 private:
  std::span<const uint8_t> bytes_;
};

std::string JoinPath(const std::string& base, const std::string& rest) {
  if (base.empty() || rest.empty()) return base + rest;
  if (base.back() == '\\' || rest.front() == '\\') return base + rest;
  return base + "\\" + rest;
}

// A path a link names, and whether each of its names came in Unicode.
struct LinkPath {
  std::string path;
  bool unicode = true;
};

// Nothing when the link info is damaged; an empty path when it holds none.
std::optional<LinkPath> ReadLinkInfo(const Reader& info) {
  const auto headerSize = info.u32(4), flags = info.u32(8);
  const auto volumeId = info.u32(12), localBase = info.u32(16), network = info.u32(20), suffixAt = info.u32(24);
  if (!headerSize || !suffixAt || *headerSize < 0x1C) return std::nullopt;
  const bool unicode = *headerSize >= 0x24;
  const auto localBaseW = unicode ? info.u32(28) : std::optional<uint32_t>(0);
  const auto suffixW = unicode ? info.u32(32) : std::optional<uint32_t>(0);
  if (!localBaseW || !suffixW) return std::nullopt;

  std::optional<std::string> suffix = std::string();
  if (*suffixW)
    suffix = info.utf16z(*suffixW);
  else if (*suffixAt)
    suffix = info.ansiz(*suffixAt);
  if (!suffix) return std::nullopt;

  if (*flags & VolumeIdAndLocalBasePath) {
    if (!info.u32(*volumeId)) return std::nullopt;
    const auto base = *localBaseW ? info.utf16z(*localBaseW) : info.ansiz(*localBase);
    if (!base) return std::nullopt;
    return LinkPath{JoinPath(*base, *suffix), *localBaseW != 0};
  }
  if (*flags & CommonNetworkRelativeLink) {
    const auto cnrlSize = info.u32(*network);
    if (!cnrlSize || *cnrlSize < 0x14) return std::nullopt;
    const auto cnrl = info.slice(*network, *cnrlSize);
    if (!cnrl) return std::nullopt;
    const auto netNameAt = cnrl->u32(8);
    if (!netNameAt) return std::nullopt;
    std::optional<std::string> netName;
    if (*netNameAt > 0x14) {
      const auto netNameW = cnrl->u32(0x14);
      if (!netNameW) return std::nullopt;
      netName = *netNameW ? cnrl->utf16z(*netNameW) : cnrl->ansiz(*netNameAt);
    } else {
      netName = cnrl->ansiz(*netNameAt);
    }
    if (!netName) return std::nullopt;
    return LinkPath{JoinPath(*netName, *suffix)};
  }
  return LinkPath{};
}

// Name of a file entry item: the long name of its extension block when there
// is one, else the primary name; *unicode tells whether it came in Unicode.
std::optional<std::string> FileEntryName(const Reader& item, uint32_t type, bool* unicode) {
  const bool unicodeName = type & 0x04;
  *unicode = unicodeName;
  size_t end = 0;
  auto name = unicodeName ? item.utf16z(14, &end) : item.ansiz(14, &end);
  if (!name) return std::nullopt;
  end += end & 1;
  const auto blockSize = item.u16(end), version = item.u16(end + 2), signature = item.u32(end + 4);
  if (blockSize && version && signature && *signature == FileEntryExtensionSignature) {
    size_t longName = 0x12;
    if (*version >= 7) longName += 18;
    if (*version >= 3) longName += 2;
    if (*version >= 8) longName += 4;
    if (*version >= 9) longName += 4;
    if (const auto block = item.slice(end, *blockSize); block && *version >= 3)
      if (auto full = block->utf16z(longName); full && !full->empty()) {
        name = full;
        *unicode = true;
      }
  }
  return name;
}

// The file system path that an item ID list names, when it starts at
// "My Computer"; empty for other roots and unknown items.
std::optional<LinkPath> ReadIdList(const Reader& list) {
  LinkPath found;
  std::string& path = found.path;
  size_t at = 0;
  bool first = true;
  while (true) {
    const auto itemSize = list.u16(at);
    if (!itemSize) return std::nullopt;
    if (*itemSize == 0) return found;
    const auto item = list.slice(at, *itemSize);
    if (*itemSize < 3 || !item) return std::nullopt;
    const uint32_t type = *item->u8(2);
    if (first) {
      if (type != 0x1F || !item->equals(4, MyComputerClsid)) return LinkPath{};
    } else if ((type & 0x70) == 0x20) {
      const auto drive = item->ansiz(3);
      if (!drive) return std::nullopt;
      path = *drive;
    } else if ((type & 0x70) == 0x30) {
      bool unicode = false;
      const auto name = FileEntryName(*item, type, &unicode);
      if (!name) return std::nullopt;
      path = JoinPath(path, *name);
      found.unicode = found.unicode && unicode;
    } else {
      return LinkPath{};
    }
    first = false;
    at += *itemSize;
  }
}

// The target of an environment variables block ("%ProgramFiles%\..."), unexpanded.
std::optional<std::string> ReadEnvironmentTarget(const Reader& block) {
  auto target = block.utf16z(8 + 260);
  if (!target || target->empty()) target = block.ansiz(8);
  return target;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeShellLink(const ShortcutProperties& p) {
  const std::u16string description = Utf8ToUtf16(p.description), workingFolder = Utf8ToUtf16(p.workingFolder),
                       arguments = Utf8ToUtf16(p.arguments), iconPath = Utf8ToUtf16(p.iconPath);
  for (const auto* s : {&description, &workingFolder, &arguments, &iconPath})
    if (s->size() > 0xFFFF) return std::nullopt;

  // A network path is kept as its share and the path below it, joined again
  // with one backslash: a path with no share name, or with an empty folder
  // name right below the share, would come back as another path.
  if (const auto unc = SplitUncPath(p.target))
    if (unc->first.back() == '\\' || (!unc->second.empty() && unc->second.front() == '\\')) return std::nullopt;

  uint32_t flags = flag::HasLinkInfo | flag::IsUnicode;
  if (!description.empty()) flags |= flag::HasName;
  if (!workingFolder.empty()) flags |= flag::HasWorkingDir;
  if (!arguments.empty()) flags |= flag::HasArguments;
  if (!iconPath.empty()) flags |= flag::HasIconLocation;

  Writer w;
  w.u32(HeaderSize);
  w.raw(LinkClsid.data(), LinkClsid.size());
  w.u32(flags);
  w.u32(0);     // target attributes unknown
  w.zeros(24);  // target times unknown
  w.u32(0);     // target size unknown
  w.u32(static_cast<uint32_t>(p.iconIndex));
  w.u32(ShowNormal);
  w.zeros(2 + 2 + 4 + 4);  // hot key, reserved
  WriteLinkInfo(w, p.target);
  for (const auto* s : {&description, &workingFolder, &arguments, &iconPath}) {
    if (s->empty()) continue;
    w.u16(static_cast<uint32_t>(s->size()));
    w.utf16(*s);
  }
  w.u32(0);  // end of the extra data
  return w.take();
}

std::optional<ShortcutProperties> DecodeShellLink(std::span<const uint8_t> bytes) {
  const Reader r(bytes);
  if (r.u32(0) != HeaderSize || !r.equals(4, LinkClsid) || !r.has(0, HeaderSize)) return std::nullopt;
  const uint32_t flags = *r.u32(20);
  ShortcutProperties p;
  p.iconIndex = static_cast<int32_t>(*r.u32(56));
  size_t at = HeaderSize;

  LinkPath idListPath;
  if (flags & flag::HasIdList) {
    const auto size = r.u16(at);
    if (!size) return std::nullopt;
    const auto list = r.slice(at + 2, *size);
    if (!list) return std::nullopt;
    const auto path = ReadIdList(*list);
    if (!path) return std::nullopt;
    idListPath = *path;
    at += 2 + *size;
  }

  LinkPath linkInfoPath;
  if (flags & flag::HasLinkInfo) {
    const auto size = r.u32(at);
    if (!size || *size < 0x1C) return std::nullopt;
    const auto info = r.slice(at, *size);
    if (!info) return std::nullopt;
    const auto path = ReadLinkInfo(*info);
    if (!path) return std::nullopt;
    if (!(flags & flag::ForceNoLinkInfo)) linkInfoPath = *path;
    at += *size;
  }

  std::string relativePath;
  const std::pair<uint32_t, std::string*> strings[] = {{flag::HasName, &p.description},
                                                       {flag::HasRelativePath, &relativePath},
                                                       {flag::HasWorkingDir, &p.workingFolder},
                                                       {flag::HasArguments, &p.arguments},
                                                       {flag::HasIconLocation, &p.iconPath}};
  for (const auto& [bit, out] : strings) {
    if (!(flags & bit)) continue;
    const auto count = r.u16(at);
    if (!count) return std::nullopt;
    const bool unicode = flags & flag::IsUnicode;
    const auto text = unicode ? r.utf16(at + 2, *count) : r.ansi(at + 2, *count);
    if (!text) return std::nullopt;
    *out = text->substr(0, text->find('\0'));  // Wine counts a terminator in
    at += 2 + *count * (unicode ? 2 : 1);
  }

  std::string environmentPath;
  while (r.has(at, 4)) {
    const uint32_t size = *r.u32(at);
    if (size < 4) break;
    const auto block = r.slice(at, size);
    if (!block || size < 8) return std::nullopt;
    if (*block->u32(4) == EnvironmentBlockSignature && size >= EnvironmentBlockSize)
      if (const auto target = ReadEnvironmentTarget(*block)) environmentPath = *target;
    at += size;
  }

  // The shell prefers the item list's Unicode names to the link info's
  // ANSI bytes, whose code page the link does not record.
  const bool idListFirst = !linkInfoPath.unicode && idListPath.unicode && !idListPath.path.empty();
  const std::string* const order[] = {idListFirst ? &idListPath.path : &linkInfoPath.path,
                                      idListFirst ? &linkInfoPath.path : &idListPath.path, &environmentPath};
  for (const std::string* path : order) {
    if (!path->empty()) {
      p.target = *path;
      break;
    }
  }
  return p;
}

}  // namespace velmar
