#include "base/timestamp.h"

#include <cstdio>

namespace velmar {

std::string FormatTimestamp(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace velmar
