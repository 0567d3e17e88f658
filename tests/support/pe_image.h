#pragma once
// Windows program images built in memory for tests: a small but complete DLL
// whose only content is a version resource, so that tests can read its
// version on every target (and compare with what Windows reads from the same
// file) and sum, stamp and damage its checksum.

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_types.h"

namespace velmar::test {

struct PeImageOptions {
  VersionNumbers fileVersion = {};
  bool pe32Plus = true;  // 64-bit optional header; false gives the 32-bit one
  // The file's length. Beyond the image's own PeImageSize bytes come filler
  // bytes, as a program carries data behind its sections; a smaller size
  // leaves the image whole.
  size_t size = 0;
};

// The checksum field is zero: the image is not stamped.
std::string MakePeImage(const PeImageOptions& options = {});
// The same as bytes, for the checksum functions.
std::vector<uint8_t> MakePeImageBytes(const PeImageOptions& options = {});

// Offsets inside the image that tests use to damage it.
constexpr size_t PeHeaderOffset = 0x80;
constexpr size_t kPeChecksumAt = PeHeaderOffset + 4 + 20 + 64;  // the same in both header kinds
constexpr size_t PeResourceOffset = 0x200;
constexpr size_t PeFixedInfoOffset = PeResourceOffset + 0x58 + 40;
constexpr size_t PeImageSize = 0x400;

}  // namespace velmar::test
