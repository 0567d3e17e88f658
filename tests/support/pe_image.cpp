#include "support/pe_image.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace velmar::test {

namespace {

struct Field {
  size_t at;
  uint64_t value;
  int bytes;
};

// Little-endian fields into the image.
void Put(std::string& image, std::initializer_list<Field> fields) {
  for (const Field& f : fields)
    for (int i = 0; i < f.bytes; ++i) image[f.at + i] = static_cast<char>(f.value >> (8 * i));
}

}  // namespace

std::string MakePeImage(const PeImageOptions& options) {
  constexpr uint32_t SectionRva = 0x1000, FileAlign = 0x200, VersionAt = 0x58, VersionSize = 92;
  constexpr uint32_t ResourceSize = VersionAt + VersionSize;
  static_assert(PeResourceOffset + FileAlign == PeImageSize);
  std::string image(std::max<size_t>(options.size, PeImageSize), '\0');
  // Bytes behind the image that are no run of zeros, so that every one counts in a sum.
  for (size_t at = PeImageSize; at < image.size(); ++at) image[at] = static_cast<char>(at * 37 + 11);

  const bool wide = options.pe32Plus;
  const size_t coff = PeHeaderOffset + 4, opt = coff + 20, word = wide ? 8 : 4;
  const uint16_t optionalSize = wide ? 240 : 224;
  const size_t dirs = opt + (wide ? 108 : 92), section = opt + optionalSize;
  Put(image, {{0, 'M' | 'Z' << 8, 2}, {0x3C, PeHeaderOffset, 4}, {PeHeaderOffset, 'P' | 'E' << 8, 2},
              {coff, wide ? 0x8664u : 0x014Cu, 2},  // machine
              {coff + 2, 1, 2},                      // one section
              {coff + 16, optionalSize, 2},
              {coff + 18, wide ? 0x2022u : 0x2102u, 2},  // executable DLL
              {opt, wide ? 0x20Bu : 0x10Bu, 2},
              {opt + 8, FileAlign, 4},  // size of initialised data
              {opt + 20, SectionRva, 4},
              {opt + (wide ? 24u : 28u), wide ? 0x180000000ull : 0x10000000u, int(word)},  // image base
              {opt + 32, 0x1000, 4},     // section alignment
              {opt + 36, FileAlign, 4},  // file alignment
              {opt + 40, 6, 2},          // OS version
              {opt + 48, 6, 2},          // subsystem version
              {opt + 56, 0x2000, 4},     // size of image
              {opt + 60, FileAlign, 4},  // size of headers
              {opt + 68, 2, 2},          // GUI subsystem
              // Stack and heap, reserved and committed.
              {opt + 72, 0x100000, int(word)}, {opt + 72 + word, 0x1000, int(word)},
              {opt + 72 + 2 * word, 0x100000, int(word)}, {opt + 72 + 3 * word, 0x1000, int(word)},
              {dirs, 16, 4}, {dirs + 4 + 2 * 8, SectionRva, 4}, {dirs + 4 + 2 * 8 + 4, ResourceSize, 4},  // resources
              {section, '.' | 'r' << 8 | 's' << 16 | 'r' << 24, 4}, {section + 4, 'c', 1},
              {section + 8, ResourceSize, 4}, {section + 12, SectionRva, 4}, {section + 16, FileAlign, 4},
              {section + 20, PeResourceOffset, 4},
              {section + 36, 0x40000040, 4}});  // initialised data, readable

  // Type 16 (RT_VERSION) -> name 1 -> language 0x409 -> data entry.
  const size_t r = PeResourceOffset;
  Put(image, {{r + 14, 1, 2}, {r + 16, 16, 4}, {r + 20, 0x80000000u | 0x18, 4},
              {r + 0x18 + 14, 1, 2}, {r + 0x18 + 16, 1, 4}, {r + 0x18 + 20, 0x80000000u | 0x30, 4},
              {r + 0x30 + 14, 1, 2}, {r + 0x30 + 16, 0x409, 4}, {r + 0x30 + 20, 0x48, 4},
              {r + 0x48, SectionRva + VersionAt, 4}, {r + 0x48 + 4, VersionSize, 4}});

  const size_t v = r + VersionAt, f = v + 40;
  Put(image, {{v, VersionSize, 2}, {v + 2, 52, 2}});
  const char* key = "VS_VERSION_INFO";
  for (size_t i = 0; key[i]; ++i) Put(image, {{v + 6 + 2 * i, uint8_t(key[i]), 2}});
  const auto& fv = options.fileVersion;
  const uint32_t high = uint32_t{fv.major} << 16 | fv.minor, low = uint32_t{fv.release} << 16 | fv.build;
  Put(image, {{f, 0xFEEF04BD, 4}, {f + 4, 0x10000, 4}, {f + 8, high, 4}, {f + 12, low, 4},
              {f + 16, high, 4}, {f + 20, low, 4},  // product version alike
              {f + 24, 0x3F, 4}, {f + 32, 0x40004, 4},  // NT, Win32
              {f + 36, 2, 4}});                          // DLL
  return image;
}

std::vector<uint8_t> MakePeImageBytes(const PeImageOptions& options) {
  const std::string image = MakePeImage(options);
  return {image.begin(), image.end()};
}

}  // namespace velmar::test
