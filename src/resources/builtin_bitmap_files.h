#pragma once
// The built-in bitmaps as .BMP file bytes compiled into the program, so that a
// port without resources needs no files beside the program.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmar {

struct EmbeddedFile {
  const char* name;  // resource name, "BTN_NEXT"
  const uint8_t* data;
  size_t size;
};

// Generated at build time from src/resources/bitmaps/*.bmp.
extern const EmbeddedFile kEmbeddedBitmaps[];
extern const size_t kEmbeddedBitmapCount;

// The file of a built-in bitmap; the name compares without regard to case.
std::optional<std::span<const uint8_t>> BuiltinBitmapFile(std::string_view name);

}  // namespace velmar
