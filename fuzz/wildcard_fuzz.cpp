// FindFirstFile wildcards and name order. Input: pattern, a line break, name.
// A name taken as a pattern finds itself; the order is a strict one.
#include <cstdlib>

#include "base/text_case.h"
#include "base/wildcard.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const size_t cut = std::min(text.find('\n'), text.size());
  const std::string_view pattern = text.substr(0, cut), name = text.substr(std::min(cut + 1, size));
  MatchesWildcard(pattern, name);
  HasWildcard(pattern);
  if (!MatchesWildcard(name, name)) std::abort();
  if (!SameText(pattern, pattern)) std::abort();
  if (NtfsNameLess(name, name)) std::abort();
  if (NtfsNameLess(pattern, name) && NtfsNameLess(name, pattern)) std::abort();
  if (SameText(pattern, name) && NtfsNameLess(pattern, name)) std::abort();
  return 0;
}
