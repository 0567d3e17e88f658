// The shell link reader on any bytes. What it reads, written by our own
// writer, must read back the same.
#include <cstdlib>

#include "formats/shell_link.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto link = DecodeShellLink(std::span<const uint8_t>(data, size));
  if (!link) return 0;
  const auto encoded = EncodeShellLink(*link);
  if (!encoded) return 0;  // a text too long for the format, a network path it cannot hold
  auto expected = *link;
  // The link info keeps a share as its name and the path below it, so a share
  // named with a trailing backslash (\\server\share\) comes back without it.
  // A path that only begins with two backslashes (\\\x\) is no share.
  const std::string& t = expected.target;
  const size_t server = t.starts_with("\\\\") ? t.find('\\', 2) : std::string::npos;
  const size_t share = server == std::string::npos ? server : t.find('\\', server + 1);
  if (server != std::string::npos && server > 2 && share != std::string::npos && share > server + 1 &&
      share == t.size() - 1)
    expected.target.pop_back();
  const auto again = DecodeShellLink(*encoded);
  if (!again || !(*again == expected)) std::abort();
  return 0;
}
