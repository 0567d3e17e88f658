#pragma once
// JPEG decoding with libjpeg.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/pictures.h"

namespace velmar::platform {

// No value for data libjpeg cannot read or reports as corrupt.
std::optional<Picture> DecodeJpeg(std::span<const uint8_t> file);

}  // namespace velmar::platform
