#include "ui/drawing/picture.h"

#include <gtest/gtest.h>

#include "support/files/memory_file_system.h"
#include "support/fixture/shell_ports.h"
#include "ui/controls.h"
#include "ui/page.h"
#include "ui/script/script_host.h"

namespace velmar::ui {
namespace {

using test::MemoryFile;

// A JPEG as an image editor writes it (JFIF header, tables, baseline frame): 120 x 60.
std::string RealJpeg() { return test::ReadTestData("kravocr.jpg"); }

std::string Le32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string Le16(uint16_t v) { return {char(v), char(v >> 8)}; }
std::string Be16(uint16_t v) { return {char(v >> 8), char(v)}; }

// File header, then an info header of the given size starting with width and
// height, one plane of 24 bits per pixel.
std::string Bmp(uint32_t infoSize, std::string sides) {
  std::string header = "BM" + Le32(1000) + Le32(0) + Le32(14 + infoSize) + Le32(infoSize) + sides;
  const size_t rest = infoSize > sides.size() + 8 ? infoSize - sides.size() - 8 : 0;
  return header + Le16(1) + Le16(24) + std::string(rest, '\0');
}

std::string Segment(uint8_t marker, const std::string& payload) {
  return std::string{'\xFF', char(marker)} + Be16(uint16_t(payload.size() + 2)) + payload;
}

std::string Frame(uint8_t marker, uint16_t width, uint16_t height) {
  return Segment(marker, std::string{8} + Be16(height) + Be16(width) + std::string{3} + std::string(9, '\1'));
}

const std::string kSoi = "\xFF\xD8";

std::optional<Size> SizeOf(const std::string& bytes) {
  MemoryFile file(bytes);
  auto info = ReadPictureFileInfo(file);
  if (!info) return std::nullopt;
  return info->size;
}

// Which headers are sound is the picture header's own test; here, that the
// sides are read through an open file, past a long segment before the frame.
TEST(PictureFileInfo, ReadsTheSidesThroughTheFile) {
  MemoryFile bmp(Bmp(40, Le32(3) + Le32(2)));
  auto info = ReadPictureFileInfo(bmp);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->format, PictureFormat::Bmp);
  EXPECT_EQ(info->size, (Size{3, 2}));
  MemoryFile real(RealJpeg());
  info = ReadPictureFileInfo(real);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->format, PictureFormat::Jpeg);
  EXPECT_EQ(info->size, (Size{120, 60}));

  std::string exif = Segment(0xE1, "Exif" + std::string(3000, 'x'));
  EXPECT_EQ(SizeOf(kSoi + exif + Frame(0xC2, 1024, 768)), (Size{1024, 768}));
  EXPECT_FALSE(SizeOf(""));
}

TEST(PictureFileInfo, ImagesLoadFilesAndBuiltInBitmapsWithTheirSizes) {
  test::MemoryFileSystem files;
  files.addFile("C:\\Medium\\Logo.jpg", RealJpeg());
  files.addFile("C:\\Medium\\Broken.bmp", "BM");
  script::ScriptHost host{script::Script()};
  Page page(host, "TTestForm");
  Image image(page, "Img");
  image.AutoSize = true;

  EXPECT_TRUE(image.LoadFile(files, "C:\\Medium\\Logo.jpg"));
  EXPECT_EQ(image.Picture, (Picture{PictureSource::File, "C:\\Medium\\Logo.jpg", {120, 60}}));
  EXPECT_EQ(image.Bounds.width, 120);
  EXPECT_EQ(image.Bounds.height, 60);
  // A file that cannot be read leaves the picture as it was.
  EXPECT_FALSE(image.LoadFile(files, "C:\\Medium\\Broken.bmp"));
  EXPECT_FALSE(image.LoadFile(files, "C:\\Medium\\Missing.bmp"));
  EXPECT_FALSE(image.LoadBuiltIn("NO_SUCH_BITMAP"));
  EXPECT_EQ(image.Picture.Name, "C:\\Medium\\Logo.jpg");

  EXPECT_TRUE(image.LoadBuiltIn("logo34_about"));
  EXPECT_EQ(image.Picture.Dimensions, (Size{160, 80}));
}

}  // namespace
}  // namespace velmar::ui
