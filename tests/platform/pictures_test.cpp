// The same expectations for both ports' pictures: the built-in bitmaps, BMP and
// JPEG files, and files that must fail cleanly.

#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "resources/builtin_bitmap_files.h"
#include "ui/drawing/builtin_bitmaps.h"
#include "formats/bmp_format.h"
#include "support/fixture/shell_ports.h"
#include "support/files/temp_drive.h"

namespace velmar {

namespace {

class PicturesTest : public ::testing::Test {
 protected:
  std::vector<uint8_t> builtinFile(std::string_view name) {
    const auto file = BuiltinBitmapFile(name);
    EXPECT_TRUE(file) << name;
    return file ? std::vector<uint8_t>(file->begin(), file->end()) : std::vector<uint8_t>{};
  }

  void put(std::string_view name, const std::vector<uint8_t>& bytes) {
    drive.writeFile(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }

  test::TempDrive drive;
  std::unique_ptr<platform::Pictures> pictures = platform::MakeHostPictures(drive.fs());
  const std::string logo = test::ReadTestData("kravocr.jpg");  // KRAVOCR as a JPEG
  const std::vector<uint8_t> jpegFile{logo.begin(), logo.end()};
};

}  // namespace

// The sizes of the table are the files' (the built-in bitmaps' own test);
// here that the port gives the committed pixels, and a BMP or JPEG file the same.
TEST_F(PicturesTest, BuiltinBitmapsAndFilesDecodeToTheCommittedPixels) {
  for (const auto& info : BuiltinBitmaps()) {
    const auto picture = pictures->loadBuiltin(info.name);
    const auto committed = DecodeBmpFile(builtinFile(info.name));
    ASSERT_TRUE(picture && committed) << info.name;
    EXPECT_EQ(picture->rgba, committed->rgba) << info.name;
  }

  put("Medium\\Logo.bmp", builtinFile("KRAVOCR"));
  put("Medium\\Logo.jpg", jpegFile);
  const auto original = pictures->loadBuiltin("KRAVOCR");
  const auto bmp = pictures->loadFile(drive.path("medium\\LOGO.BMP"));
  const auto jpeg = pictures->loadFile(drive.path("Medium\\Logo.jpg"));
  ASSERT_TRUE(original && bmp && jpeg);
  EXPECT_EQ(bmp->rgba, original->rgba);
  ASSERT_EQ(std::pair(jpeg->width, jpeg->height), std::pair(120, 60));
  // Lossy, so close rather than equal; the same bound holds for both decoders.
  std::vector<int> d;
  for (size_t i = 0; i < jpeg->rgba.size(); ++i) d.push_back(std::abs(jpeg->rgba[i] - original->rgba[i]));
  EXPECT_LT(std::accumulate(d.begin(), d.end(), 0.0) / d.size(), 3.0);
  EXPECT_LT(*std::max_element(d.begin(), d.end()), 96);
}

// Which files the picture check refuses is its own test's; here that the
// port asks it before decoding.
TEST_F(PicturesTest, MissingAndCutOffFilesGiveNoPicture) {
  put("cut.jpg", std::vector<uint8_t>(jpegFile.begin(), jpegFile.begin() + jpegFile.size() / 2));
  for (const char* name : {"missing.bmp", "cut.jpg"}) EXPECT_FALSE(pictures->loadFile(drive.path(name))) << name;
}

}  // namespace velmar
