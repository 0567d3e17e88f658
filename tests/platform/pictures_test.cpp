// The same expectations for both ports' pictures: the built-in bitmaps, BMP and
// JPEG files, and files that must fail cleanly.

#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/kravocr_jpeg.h"
#include "resources/builtin_bitmap_files.h"
#include "resources/builtin_bitmaps.h"
#include "services/bmp_format.h"
#include "support/memory_file_system.h"

namespace velmar {

namespace {

class PicturesTest : public ::testing::Test {
 protected:
  std::vector<uint8_t> builtinFile(const char* name) {
    const auto file = BuiltinBitmapFile(name);
    EXPECT_TRUE(file) << name;
    return file ? std::vector<uint8_t>(file->begin(), file->end()) : std::vector<uint8_t>{};
  }

  testing::MemoryFileSystem files;
  std::unique_ptr<platform::Pictures> pictures = platform::MakeHostPictures(files);
};

const std::vector<uint8_t> kJpeg(std::begin(kKravoJpeg), std::end(kKravoJpeg));

}  // namespace

TEST_F(PicturesTest, BuiltinBitmapsHaveTheirTableSizesAndTheCommittedPixels) {
  for (const auto& info : BuiltinBitmaps()) {
    const auto picture = pictures->loadBuiltin(info.name);
    ASSERT_TRUE(picture) << info.name;
    EXPECT_EQ(picture->width, info.width) << info.name;
    EXPECT_EQ(picture->height, info.height) << info.name;
    const auto committed = DecodeBmpFile(builtinFile(info.name));
    ASSERT_TRUE(committed) << info.name;
    EXPECT_EQ(picture->rgba, committed->rgba) << info.name;
  }
  EXPECT_TRUE(pictures->loadBuiltin("btn_next"));
  EXPECT_FALSE(pictures->loadBuiltin("BTN_NEXTX"));
  EXPECT_FALSE(pictures->loadBuiltin(""));
}

TEST_F(PicturesTest, BmpAndJpegFilesDecodeToTheSamePicture) {
  files.put("C:\\Medium\\Logo.bmp", builtinFile("KRAVOCR"));
  files.put("C:\\Medium\\Logo.jpg", kJpeg);
  const auto original = pictures->loadBuiltin("KRAVOCR");
  const auto bmp = pictures->loadFile("c:\\medium\\LOGO.BMP");
  const auto jpeg = pictures->loadFile("C:\\Medium\\Logo.jpg");
  ASSERT_TRUE(original && bmp && jpeg);
  EXPECT_EQ(bmp->rgba, original->rgba);

  ASSERT_EQ(jpeg->width, 120);
  ASSERT_EQ(jpeg->height, 60);
  // Lossy, so close rather than equal; the same bound holds for both decoders.
  long total = 0;
  int worst = 0;
  for (size_t i = 0; i < jpeg->rgba.size(); ++i) {
    const int d = std::abs(jpeg->rgba[i] - original->rgba[i]);
    total += d;
    worst = std::max(worst, d);
  }
  EXPECT_LT(static_cast<double>(total) / jpeg->rgba.size(), 3.0);
  EXPECT_LT(worst, 96);
  EXPECT_EQ(jpeg->pixel(0, 0)[3], 255);
}

TEST_F(PicturesTest, MissingCutOffAndForeignFilesGiveNoPicture) {
  auto bmp = builtinFile("INSTALLER_IMG");
  bmp.pop_back();
  files.put("C:\\cut.bmp", bmp);
  files.put("C:\\cut.jpg", std::vector<uint8_t>(kJpeg.begin(), kJpeg.begin() + kJpeg.size() / 2));
  files.put("C:\\empty.jpg", std::vector<uint8_t>{});
  files.put("C:\\text.bmp", std::vector<uint8_t>{'B', 'M', 'h', 'e', 'l', 'l', 'o'});

  // A frame header that claims a picture far larger than the installer takes.
  auto huge = kJpeg;
  for (size_t i = 2; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 7] = 0xFF;
      break;
    }
  }
  files.put("C:\\huge.jpg", huge);

  for (const char* path : {"C:\\missing.bmp", "C:\\cut.bmp", "C:\\cut.jpg", "C:\\empty.jpg", "C:\\text.bmp",
                           "C:\\huge.jpg"}) {
    EXPECT_FALSE(pictures->loadFile(path)) << path;
  }
}

}  // namespace velmar
