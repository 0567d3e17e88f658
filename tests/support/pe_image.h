#pragma once
// Windows program images built in memory for tests.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

// A small but complete Windows DLL image whose only content is a version
// resource, so tests can check version reading on every target (and compare
// with what Windows itself reads from the same file).
namespace velmar::test {

struct PeImageOptions {
  VersionNumbers fileVersion;
  bool pe32Plus = true;  // 64-bit optional header; false gives the 32-bit one
};

std::string BuildVersionedPeImage(const PeImageOptions& options);

// Offsets inside the image that tests use to damage it.
constexpr size_t PeHeaderOffset = 0x80;
constexpr size_t PeResourceOffset = 0x200;
constexpr size_t PeFixedInfoOffset = PeResourceOffset + 0x58 + 40;

}  // namespace velmar::test

// A small stand-in for a Windows program file: DOS header, PE signature, file
// header and a PE32+ optional header, then filler bytes. Odd length on purpose.
namespace velmar::testing {

constexpr size_t kPeChecksumAt = 0xD8;  // 0x80 + 4 + 20 + 64

inline std::vector<uint8_t> MakePeImage(size_t size = 0x201) {
  std::vector<uint8_t> f(size);
  for (size_t i = 0; i < size; ++i) f[i] = static_cast<uint8_t>(i * 37 + 11);
  auto put16 = [&](size_t at, uint16_t v) {
    f[at] = static_cast<uint8_t>(v);
    f[at + 1] = static_cast<uint8_t>(v >> 8);
  };
  put16(0, 'M' | 'Z' << 8);
  put16(0x3C, 0x80);
  put16(0x3E, 0);
  put16(0x80, 'P' | 'E' << 8);
  put16(0x82, 0);
  put16(0x84, 0x8664);  // x86-64
  put16(0x94, 0xF0);    // size of the optional header
  put16(0x98, 0x20B);   // PE32+
  for (size_t i = 0; i < 4; ++i) f[kPeChecksumAt + i] = 0;
  return f;
}

}  // namespace velmar::testing
