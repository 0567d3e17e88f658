#include "support/pe_image.h"

#include <algorithm>
#include <cstdint>

namespace velmar::test {

namespace {

class Image {
 public:
  explicit Image(size_t size) : bytes_(size, '\0') {}
  void u16(size_t at, uint16_t v) {
    for (int i = 0; i < 2; ++i) bytes_[at + i] = static_cast<char>(v >> (8 * i));
  }
  void u32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<char>(v >> (8 * i));
  }
  void u64(size_t at, uint64_t v) {
    for (int i = 0; i < 8; ++i) bytes_[at + i] = static_cast<char>(v >> (8 * i));
  }
  void text(size_t at, const char* s) {
    for (; *s; ++s) bytes_[at++] = *s;
  }
  // Bytes from at to the end that are no run of zeros, so that every one counts in a sum.
  void filler(size_t at) {
    for (; at < bytes_.size(); ++at) bytes_[at] = static_cast<char>(at * 37 + 11);
  }
  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace

std::string MakePeImage(const PeImageOptions& options) {
  constexpr uint32_t SectionRva = 0x1000, FileAlign = 0x200, VersionAt = 0x58, VersionSize = 92;
  constexpr uint32_t ResourceSize = VersionAt + VersionSize;
  static_assert(PeResourceOffset + FileAlign == PeImageSize);
  Image image(std::max<size_t>(options.size, PeImageSize));
  image.filler(PeImageSize);

  image.text(0, "MZ");
  image.u32(0x3C, PeHeaderOffset);
  image.text(PeHeaderOffset, "PE");
  const size_t coff = PeHeaderOffset + 4;
  const uint16_t optionalSize = options.pe32Plus ? 240 : 224;
  image.u16(coff, options.pe32Plus ? 0x8664 : 0x014C);  // machine
  image.u16(coff + 2, 1);                                 // one section
  image.u16(coff + 16, optionalSize);
  image.u16(coff + 18, options.pe32Plus ? 0x2022 : 0x2102);  // executable DLL

  const size_t opt = coff + 20;
  image.u16(opt, options.pe32Plus ? 0x20B : 0x10B);
  image.u32(opt + 8, FileAlign);  // size of initialised data
  image.u32(opt + 20, SectionRva);
  if (options.pe32Plus) {
    image.u64(opt + 24, 0x180000000ull);
  } else {
    image.u32(opt + 28, 0x10000000u);
  }
  image.u32(opt + 32, 0x1000);     // section alignment
  image.u32(opt + 36, FileAlign);  // file alignment
  image.u16(opt + 40, 6);          // OS version
  image.u16(opt + 48, 6);          // subsystem version
  image.u32(opt + 56, 0x2000);     // size of image
  image.u32(opt + 60, FileAlign);  // size of headers
  image.u16(opt + 68, 2);          // GUI subsystem
  const size_t stack = 72, step = options.pe32Plus ? 8 : 4;
  for (int i = 0; i < 4; ++i) {
    uint32_t value = (i % 2 == 0) ? 0x100000 : 0x1000;
    if (options.pe32Plus)
      image.u64(opt + stack + i * step, value);
    else
      image.u32(opt + stack + i * step, value);
  }
  const size_t dirCount = options.pe32Plus ? 108 : 92;
  image.u32(opt + dirCount, 16);
  image.u32(opt + dirCount + 4 + 2 * 8, SectionRva);  // resource directory
  image.u32(opt + dirCount + 4 + 2 * 8 + 4, ResourceSize);

  const size_t section = opt + optionalSize;
  image.text(section, ".rsrc");
  image.u32(section + 8, ResourceSize);
  image.u32(section + 12, SectionRva);
  image.u32(section + 16, FileAlign);
  image.u32(section + 20, PeResourceOffset);
  image.u32(section + 36, 0x40000040);  // initialised data, readable

  // Type 16 (RT_VERSION) -> name 1 -> language 0x409 -> data entry.
  const size_t r = PeResourceOffset;
  image.u16(r + 14, 1);
  image.u32(r + 16, 16);
  image.u32(r + 20, 0x80000000u | 0x18);
  image.u16(r + 0x18 + 14, 1);
  image.u32(r + 0x18 + 16, 1);
  image.u32(r + 0x18 + 20, 0x80000000u | 0x30);
  image.u16(r + 0x30 + 14, 1);
  image.u32(r + 0x30 + 16, 0x409);
  image.u32(r + 0x30 + 20, 0x48);
  image.u32(r + 0x48, SectionRva + VersionAt);
  image.u32(r + 0x48 + 4, VersionSize);

  const size_t v = r + VersionAt;
  image.u16(v, VersionSize);
  image.u16(v + 2, 52);
  const char* key = "VS_VERSION_INFO";
  for (size_t i = 0; key[i]; ++i) image.u16(v + 6 + 2 * i, static_cast<uint8_t>(key[i]));
  const auto& fv = options.fileVersion;
  const size_t f = v + 40;
  image.u32(f, 0xFEEF04BD);
  image.u32(f + 4, 0x10000);
  image.u32(f + 8, uint32_t{fv.major} << 16 | fv.minor);
  image.u32(f + 12, uint32_t{fv.release} << 16 | fv.build);
  image.u32(f + 16, uint32_t{fv.major} << 16 | fv.minor);  // product version alike
  image.u32(f + 20, uint32_t{fv.release} << 16 | fv.build);
  image.u32(f + 24, 0x3F);
  image.u32(f + 32, 0x40004);  // NT, Win32
  image.u32(f + 36, 2);        // DLL
  return image.take();
}

std::vector<uint8_t> MakePeImageBytes(const PeImageOptions& options) {
  const std::string image = MakePeImage(options);
  return {image.begin(), image.end()};
}

}  // namespace velmar::test
