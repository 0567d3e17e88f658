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


std::string Be16(uint16_t v) { return {char(v >> 8), char(v)}; }

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
  std::string exif = Segment(0xE1, "Exif" + std::string(3000, 'x'));
  EXPECT_EQ(SizeOf(kSoi + exif + Frame(0xC2, 1024, 768)), (Size{1024, 768}));
  EXPECT_FALSE(SizeOf(""));
}

TEST(PictureFileInfo, ImagesLoadFilesAndBuiltInBitmapsWithTheirSizes) {
  test::MemoryFileSystem files;
  files.addFile("C:\\Medium\\Logo.jpg", test::ReadTestData("kravocr.jpg"));  // 120 x 60
  files.addFile("C:\\Medium\\Broken.bmp", "BM");
  script::ScriptHost host{script::Script()};
  Page page(host, "TTestForm");
  Image image(page, "Img");
  image.AutoSize = true;

  EXPECT_TRUE(image.LoadFile(files, "C:\\Medium\\Logo.jpg"));
  EXPECT_EQ(image.Picture, (Picture{PictureSource::File, "C:\\Medium\\Logo.jpg", {120, 60}}));
  EXPECT_EQ(image.Bounds.width, 120);
  // A file that cannot be read leaves the picture as it was.
  EXPECT_FALSE(image.LoadFile(files, "C:\\Medium\\Broken.bmp"));
  EXPECT_FALSE(image.LoadBuiltIn("NO_SUCH_BITMAP"));
  EXPECT_EQ(image.Picture.Name, "C:\\Medium\\Logo.jpg");
}

}  // namespace
}  // namespace velmar::ui
