#include "ui/picture.h"

#include <cstdint>

#include "platform/files.h"

namespace velmar::ui {
namespace {

constexpr int kLargestSide = 65535;

// Reads exactly size bytes at offset; false at the end of the file or on a failed read.
bool ReadAt(platform::OpenFile& file, uint64_t offset, uint8_t* buffer, size_t size) {
  if (!file.seek(offset)) return false;
  size_t done = 0;
  while (done < size) {
    int64_t got = file.read(buffer + done, size - done);
    if (got <= 0) return false;
    done += size_t(got);
  }
  return true;
}

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint16_t Be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }

std::optional<PictureFileInfo> Checked(PictureFormat format, int64_t width, int64_t height) {
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return std::nullopt;
  return PictureFileInfo{format, {int(width), int(height)}};
}

// File header (14 bytes), then the info header: its size, then the width and height.
std::optional<PictureFileInfo> BmpInfo(platform::OpenFile& file) {
  uint8_t header[26];
  if (!ReadAt(file, 0, header, sizeof header)) return std::nullopt;
  uint32_t infoSize = Le32(header + 14);
  if (infoSize == 12)  // the old core header: 16-bit sides
    return Checked(PictureFormat::Bmp, Le16(header + 18), Le16(header + 20));
  if (infoSize < 16) return std::nullopt;
  int64_t width = int32_t(Le32(header + 18));
  int64_t height = int32_t(Le32(header + 22));
  if (height < 0) height = -height;  // rows stored top-down
  return Checked(PictureFormat::Bmp, width, height);
}

bool IsFrameHeader(uint8_t marker) {
  // SOF0..SOF15, leaving out DHT (C4), JPG (C8) and DAC (CC).
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments after SOI up to the frame header.
std::optional<PictureFileInfo> JpegInfo(platform::OpenFile& file) {
  uint64_t offset = 2;
  for (;;) {
    uint8_t byte;
    if (!ReadAt(file, offset, &byte, 1) || byte != 0xFF) return std::nullopt;
    uint8_t marker = 0xFF;
    while (marker == 0xFF) {  // fill bytes before the marker code
      ++offset;
      if (!ReadAt(file, offset, &marker, 1)) return std::nullopt;
    }
    ++offset;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length follows
    if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA || marker == 0x00) return std::nullopt;
    uint8_t length[2];
    if (!ReadAt(file, offset, length, 2)) return std::nullopt;
    uint16_t segment = Be16(length);
    if (segment < 2) return std::nullopt;
    if (IsFrameHeader(marker)) {
      uint8_t frame[5];  // precision, height, width
      if (segment < 7 || !ReadAt(file, offset + 2, frame, sizeof frame)) return std::nullopt;
      return Checked(PictureFormat::Jpeg, Be16(frame + 3), Be16(frame + 1));
    }
    offset += segment;
  }
}

}  // namespace

std::optional<PictureFileInfo> ReadPictureFileInfo(platform::OpenFile& file) {
  uint8_t magic[2];
  if (!ReadAt(file, 0, magic, 2)) return std::nullopt;
  if (magic[0] == 'B' && magic[1] == 'M') return BmpInfo(file);
  if (magic[0] == 0xFF && magic[1] == 0xD8) return JpegInfo(file);
  return std::nullopt;
}

std::optional<PictureFileInfo> ReadPictureFileInfo(platform::FileSystem& files, const std::string& path) {
  auto file = files.openRead(path);
  if (!file) return std::nullopt;
  auto info = ReadPictureFileInfo(*file);
  file->close();
  return info;
}

}  // namespace velmar::ui
