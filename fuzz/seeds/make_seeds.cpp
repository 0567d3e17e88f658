// Writes the binary seed inputs of the fuzz targets, one folder per target,
// made with the installer's own writers and the test builders:
//
//   fuzz_make_seeds OUTDIR SOURCEDIR
//
// The seeds are committed under fuzz/corpus/; run this to remake them. The
// text targets' seeds, and the shell links Wine's shell made (seed-4 on of
// shell_link, copies of tests/data/lnk), are committed as they are.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "formats/shell_link.h"
#include "common/language_compiler.h"
#include "formats/language_file.h"
#include "common/language_source.h"
#include "common/zip_writer.h"
#include "support/bmp_builder.h"
#include "support/pe_image.h"
#include "formats/pe_checksum.h"

namespace {

using namespace velmar;
namespace fs = std::filesystem;

std::map<std::string, std::vector<std::string>> seeds;

void Add(const std::string& target, std::string bytes) { seeds[target].push_back(std::move(bytes)); }
void Add(const std::string& target, const std::vector<uint8_t>& bytes) { Add(target, std::string(bytes.begin(), bytes.end())); }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void ZipSeeds() {
  using namespace zipwrite;
  std::vector<std::string> archives = {
      BuildZip({}),
      BuildZip({{.name = "Readme.txt", .data = "Velmar readme\r\n", .method = 0}}),
      BuildZip({{.name = "Install/", .data = ""},
                {.name = "Install/Setup.ini", .data = "[Setup]\r\nPath=C:\\Velmar\r\n"},
                {.name = "Install/Data/big.bin", .data = std::string(600, 'x')}},
               {.comment = "Velmar 3.4"}),
      BuildZip({{.name = "caf\xC3\xA9.txt", .data = "utf-8 name", .utf8 = true, .unixTime = 1600000000}}),
      BuildZip({{.name = "a\\b.txt", .data = "backslash", .dataDescriptor = true, .versionMadeBy = 0x031E}}),
      BuildZip({{.name = "z64.txt", .data = "zip64 fields"}}, {.zip64 = true}),
      BuildZip({{.name = "locked.txt", .data = "secret", .encrypted = true},
                {.name = "odd.bin", .data = "method 12", .method = 12},
                {.name = "ro.txt", .data = "read-only", .externalAttributes = 0x21}}),
      BuildZip({{.name = "../up.txt", .data = "climbs"}, {.name = "nul.txt", .data = "device"}}),
      BuildZip({{.name = "random.bin", .data = RandomBytes(300, 7), .method = 8}}),
  };
  for (const std::string& archive : archives) {
    Add("zip_reader", archive);
    Add("unzip", std::string("\x03\x00", 2) + archive);
    Add("unzip", std::string("\x0F\x00", 2) + archive);
  }
  Add("unzip", std::string("\x4B\x89", 2) + archives[2]);  // small disk, failing create
}

void LanguageSeeds(const fs::path& sourceDir) {
  for (int code : {44, 48}) {
    const std::string text = ReadFile(sourceDir / "src" / "resources" / "lang" / ("vsetup_" + std::to_string(code) + ".txt"));
    Add("language_source", text);
    const CompiledLanguage compiled = CompileLanguage(ParseLanguageSource(text));
    Add("language_file", compiled.separateFile);
    Add("language_file", compiled.combinedFile);
    const char mode = code == 48 ? 2 : 0;  // the code the loader picks from the first byte
    Add("language_loader", std::string{char(mode | 1), 0} + compiled.combinedFile);
    Add("language_loader", std::string{mode, 5} + compiled.separateFile);
  }
  Add("language_source", "# small\nlanguage 49\n1\tEins\n3 Drei \\r\\n mit \\t und \\\\\n5\n");
  Add("language_file", BuildGroupBlock({"one", "", "three"}));
}

void PeSeeds() {
  Add("pe_version", test::MakePeImage({.fileVersion = {3, 4, 10, 7}}));
  Add("pe_version", test::MakePeImage({.fileVersion = {1, 2, 3, 4}, .pe32Plus = false}));
  std::vector<uint8_t> image = test::MakePeImageBytes({.fileVersion = {3, 4, 10, 7}, .size = 0x601});
  Add("pe_checksum", image);
  StampPeChecksum(image);
  Add("pe_checksum", image);
}

void ShellLinkSeeds() {
  const std::vector<ShortcutProperties> links = {
      {.target = "C:\\Velmar\\Bin\\Velmar.exe", .workingFolder = "C:\\Velmar\\Bin", .description = "Velmar",
       .arguments = "/project \"Plant 1\"", .iconPath = "C:\\Velmar\\Bin\\Velmar.exe", .iconIndex = 2},
      {.target = "\\\\server\\share\\Velmar\\Readme.txt"},
      {.target = "C:\\Caf\xC3\xA9\\", .description = "\xC5\x81\xC3\xB3" "d\xC5\xBA"},
  };
  for (const auto& link : links) Add("shell_link", *EncodeShellLink(link));
}

void PictureSeeds() {
  using test::BmpShape;
  using test::MakeBmp;
  Add("bmp", MakeBmp({.width = 2, .height = 2, .pixels = std::vector<uint8_t>(16, 0x7F)}));
  Add("bmp", MakeBmp({.width = 3, .height = -2, .bitsPerPixel = 8, .colorsUsed = 2,
                      .palette = {{0, 0, 255, 0}, {255, 0, 0, 0}}, .pixels = {0, 1, 0, 0, 1, 0, 1, 0}}));
  Add("bmp", MakeBmp({.width = 9, .height = 1, .bitsPerPixel = 1, .palette = {{0, 0, 0, 0}, {255, 255, 255, 0}},
                      .pixels = {0xAA, 0x80, 0, 0}}));
  Add("bmp", MakeBmp({.width = 3, .height = 1, .bitsPerPixel = 4, .palette = std::vector<std::array<uint8_t, 4>>(16),
                      .pixels = {0x12, 0x30, 0, 0}}));
  Add("bmp", MakeBmp({.width = 2, .height = 1, .bitsPerPixel = 16, .compression = 3,
                      .masks = {0xF800, 0x07E0, 0x001F}, .pixels = {1, 2, 3, 4}}));
  Add("bmp", MakeBmp({.headerSize = 108, .width = 1, .height = 1, .bitsPerPixel = 32, .compression = 3,
                      .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, .pixels = {1, 2, 3, 4}}));
  Add("bmp", MakeBmp({.headerSize = 12, .width = 1, .height = 1, .bitsPerPixel = 8,
                      .palette = std::vector<std::array<uint8_t, 4>>(256), .pixels = {0, 0, 0, 0}}));
  Add("bmp", MakeBmp({.width = 1, .height = 1, .pixels = {1, 2, 3, 0}, .fileHeader = false}));
  // The marker skeleton of a baseline JPEG: start, frame header 16x8, scan, end.
  Add("bmp", std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x08\x00\x10\x01\x01\x11\x00"
                         "\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\xFF\x00\x34\xFF\xD9", 31));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: fuzz_make_seeds OUTDIR SOURCEDIR\n", stderr);
    return 2;
  }
  const fs::path out = argv[1], sourceDir = argv[2];
  ZipSeeds();
  LanguageSeeds(sourceDir);
  PeSeeds();
  ShellLinkSeeds();
  PictureSeeds();
  for (const auto& [target, list] : seeds) {
    fs::create_directories(out / target);
    for (size_t i = 0; i < list.size(); ++i)
      if (!(std::ofstream(out / target / ("seed-" + std::to_string(i + 1)), std::ios::binary) << list[i])) {
        std::fprintf(stderr, "fuzz_make_seeds: cannot write into %s\n", out.c_str());
        return 1;
      }
  }
  return 0;
}
