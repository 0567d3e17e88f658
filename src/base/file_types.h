#pragma once
// Plain data of files as Windows keeps it: attribute bits, file times and
// program versions. Archives, programs and the file system seam share them.

#include <cstdint>

namespace velmar {

// Windows file attribute bits; stored files and the product's programs use them.
namespace attr {
constexpr uint32_t ReadOnly = 1;
constexpr uint32_t Hidden = 2;
constexpr uint32_t System = 4;
constexpr uint32_t VolumeLabel = 8;
constexpr uint32_t Folder = 16;
constexpr uint32_t Archive = 32;
// A symbolic link or junction: the entry is the link itself, whatever it
// leads to. Set by the ports, never by a caller.
constexpr uint32_t ReparsePoint = 0x400;
}  // namespace attr

// 100-nanosecond intervals since 1601-01-01 UTC, the way Windows keeps file times.
using FileTime = int64_t;

struct FileTimes {
  FileTime creation = 0;
  FileTime lastAccess = 0;
  FileTime lastWrite = 0;
};

struct VersionNumbers {
  uint16_t major = 0, minor = 0, release = 0, build = 0;
};

}  // namespace velmar
