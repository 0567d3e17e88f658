#pragma once
// Builds a small but complete Windows DLL image in memory whose only content
// is a version resource, so tests can check version reading on every target
// (and compare with what Windows itself reads from the same file).

#include <string>

#include "platform/files.h"

namespace velmar::test {

struct PeImageOptions {
  platform::FileVersion fileVersion;
  bool pe32Plus = true;  // 64-bit optional header; false gives the 32-bit one
};

std::string BuildVersionedPeImage(const PeImageOptions& options);

// Offsets inside the image that tests use to damage it.
constexpr size_t PeHeaderOffset = 0x80;
constexpr size_t PeResourceOffset = 0x200;
constexpr size_t PeFixedInfoOffset = PeResourceOffset + 0x58 + 40;

}  // namespace velmar::test
