#include "formats/pe_checksum.h"

#include <gtest/gtest.h>

#include "support/pe_image.h"

namespace velmar {

using test::kPeChecksumAt;
using test::MakePeImageBytes;

// That the field itself does not count is the fuzz target's.
TEST(PeChecksum, KnownValue) {
  auto image = MakePeImageBytes({.size = 0x401});
  // Worked out word by word with an end-around carry, as the system's image
  // help library does it, for this 1025-byte image.
  EXPECT_EQ(ComputePeChecksum(image), 0x9D3Bu);
}

TEST(PeChecksum, OnlyWindowsProgramsHaveTheField) {
  const auto image = MakePeImageBytes();
  EXPECT_EQ(PeChecksumOffset(image), kPeChecksumAt);
  auto broken = [&](auto change) {
    auto copy = image;
    change(copy);
    return !PeChecksumOffset(copy) && !StampPeChecksum(copy);
  };
  EXPECT_TRUE(broken([](auto& f) { f[0] = 'X'; }));
  EXPECT_TRUE(broken([](auto& f) { f[0x81] = 'X'; }));                // PE signature
  EXPECT_TRUE(broken([](auto& f) { f[0x98] = 0x07; }));               // optional header magic
  EXPECT_TRUE(broken([](auto& f) { f[0x94] = 0x10; }));               // optional header too short
  EXPECT_TRUE(broken([](auto& f) { f[0x3C] = 0xF0, f[0x3F] = 0x7F; }));  // PE header far past the end
  EXPECT_TRUE(broken([](auto& f) { f.resize(kPeChecksumAt + 3); }));
  EXPECT_FALSE(PeChecksumOffset({}));
}

}  // namespace velmar
