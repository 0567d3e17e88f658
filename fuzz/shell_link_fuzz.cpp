// The shell link reader on any bytes. What it reads, written by our own
// writer, must read back the same.
#include <cstdlib>

#include "platform/shell_link.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto link = platform::DecodeShellLink(std::span<const uint8_t>(data, size));
  if (!link) return 0;
  const auto encoded = platform::EncodeShellLink(*link);
  if (!encoded) return 0;  // a text too long for the format
  const auto again = platform::DecodeShellLink(*encoded);
  if (!again || !(*again == *link)) std::abort();
  return 0;
}
