#include "files/program_check.h"

#include <gtest/gtest.h>

#include "formats/pe_checksum.h"
#include "support/files/failing_files.h"
#include "support/pe_image.h"
#include "support/files/temp_drive.h"

namespace velmar {

namespace {

std::string_view Text(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::vector<uint8_t> StampedImage(size_t size) {
  auto image = test::MakePeImageBytes({.size = size});
  EXPECT_TRUE(StampPeChecksum(image));
  return image;
}

}  // namespace

TEST(ProgramCheck, StampedIntactAndEveryKindOfDamage) {
  test::TempDrive drive;
  auto& files = drive.fs();
  const std::string setup = drive.path("Setup.exe");
  auto check = [&](const std::vector<uint8_t>& bytes) {
    drive.writeFile("Setup.exe", Text(bytes));
    return CheckProgramFile(files, setup);
  };
  const auto image = StampedImage(200001);  // several read buffers, odd length
  EXPECT_EQ(check(image), ProgramCheck::Intact);

  // The length is part of the checksum: even zeros added at the end, which
  // leave the sum of the words alone, show. (A changed byte, a missing stamp:
  // the checksum fuzz target holds every file against the computed sum.)
  EXPECT_EQ(check(std::vector<uint8_t>(image.begin(), image.end() - 2)), ProgramCheck::Damaged);
  auto longer = image;
  longer.push_back(0);
  longer.push_back(0);
  EXPECT_EQ(check(longer), ProgramCheck::Damaged);

  EXPECT_EQ(check(std::vector<uint8_t>(image.begin(), image.begin() + 0x90)), ProgramCheck::NotAProgram);
  EXPECT_EQ(CheckProgramFile(files, drive.path("Other.exe")), ProgramCheck::Unreadable);

  // A read that fails half way is not taken for damage.
  drive.writeFile("Setup.exe", Text(image));
  test::FailingFiles failing(files);
  failing.failAt(test::FileOp::Read, 3);
  EXPECT_EQ(CheckProgramFile(failing, setup), ProgramCheck::Unreadable);
}

}  // namespace velmar
