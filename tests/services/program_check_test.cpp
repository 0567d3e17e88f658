#include "services/program_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "services/pe_checksum.h"
#include "support/memory_file_system.h"
#include "support/pe_image.h"

namespace velmar {

namespace {

// A file system whose reads fail after the first few.
class FailingReads : public testing::MemoryFileSystem {
 public:
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override {
    auto inner = MemoryFileSystem::openRead(path);
    if (!inner) return nullptr;
    return std::make_unique<Failing>(std::move(inner));
  }

 private:
  class Failing : public platform::OpenFile {
   public:
    explicit Failing(std::unique_ptr<platform::OpenFile> inner) : inner_(std::move(inner)) {}
    int64_t read(void* b, size_t n) override { return ++reads_ > 1 ? -1 : inner_->read(b, std::min<size_t>(n, 4096)); }
    int64_t write(const void* d, size_t n) override { return inner_->write(d, n); }
    bool seek(uint64_t o) override { return inner_->seek(o); }
    std::optional<uint64_t> size() override { return inner_->size(); }
    bool close() override { return inner_->close(); }

   private:
    std::unique_ptr<platform::OpenFile> inner_;
    int reads_ = 0;
  };
};

const char* const kSetup = "D:\\Setup.exe";

std::vector<uint8_t> StampedImage(size_t size) {
  auto image = testing::MakePeImage(size);
  EXPECT_TRUE(StampPeChecksum(image));
  return image;
}

}  // namespace

TEST(ProgramCheck, StampedIntactAndEveryKindOfDamage) {
  testing::MemoryFileSystem files;
  const auto image = StampedImage(200001);  // several read buffers, odd length
  files.put(kSetup, image);
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Intact);
  EXPECT_TRUE(VerifyProgramChecksum(files, kSetup));

  auto flipped = image;
  flipped[150000] ^= 0x01;
  files.put(kSetup, flipped);
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Damaged);
  EXPECT_FALSE(VerifyProgramChecksum(files, kSetup));

  // The length is part of the checksum: even zeros added at the end, which
  // leave the sum of the words alone, show.
  files.put(kSetup, std::vector<uint8_t>(image.begin(), image.end() - 2));
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Damaged);
  auto longer = image;
  longer.push_back(0);
  longer.push_back(0);
  files.put(kSetup, longer);
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Damaged);

  files.put(kSetup, testing::MakePeImage(4000));  // built without a checksum
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::NotStamped);

  files.put(kSetup, std::vector<uint8_t>(image.begin(), image.begin() + 0x90));  // cut inside the headers
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::NotAProgram);
  files.put(kSetup, std::vector<uint8_t>{});
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::NotAProgram);

  EXPECT_EQ(CheckProgramFile(files, "D:\\Other.exe"), ProgramCheck::Unreadable);
  FailingReads failing;
  failing.put(kSetup, image);
  EXPECT_EQ(CheckProgramFile(failing, kSetup), ProgramCheck::Unreadable);
}

TEST(ProgramCheck, TheStampedTestProgramItselfIsIntact) {
  // The build stamps the Windows test program; a native test program has no
  // PE headers and so nothing to check.
  const std::string self = ::testing::internal::GetArgvs().front();
  std::ifstream in(self, std::ios::binary);
  ASSERT_TRUE(in) << self;
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!PeChecksumOffset(bytes)) GTEST_SKIP() << "not a Windows program: " << self;

  testing::MemoryFileSystem files;
  files.put(kSetup, bytes);
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Intact);
  bytes[bytes.size() / 2] ^= 0x80;
  files.put(kSetup, bytes);
  EXPECT_EQ(CheckProgramFile(files, kSetup), ProgramCheck::Damaged);
}

}  // namespace velmar
