#pragma once
// Little-endian fields of the zip format.

#include <cstdint>

namespace velmar::zip_bytes {

inline uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t U32(const uint8_t* p) { return uint32_t(U16(p)) | (uint32_t(U16(p + 2)) << 16); }
inline uint64_t U64(const uint8_t* p) { return uint64_t(U32(p)) | (uint64_t(U32(p + 4)) << 32); }

constexpr uint32_t LocalHeaderSig = 0x04034b50;
constexpr uint32_t CentralHeaderSig = 0x02014b50;
constexpr uint32_t EndSig = 0x06054b50;
constexpr uint32_t Zip64EndSig = 0x06064b50;
constexpr uint32_t Zip64LocatorSig = 0x07064b50;

constexpr size_t LocalHeaderSize = 30;
constexpr size_t CentralHeaderSize = 46;
constexpr size_t EndSize = 22;
constexpr size_t Zip64EndSize = 56;
constexpr size_t Zip64LocatorSize = 20;

}  // namespace velmar::zip_bytes
