// drawres: draws the program's built-in bitmaps.
//   drawres FOLDER           writes NAME.bmp for each bitmap into FOLDER
//   drawres --check FOLDER   exit status 1 when a file there differs from the drawing

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "drawings.h"
#include "ui/drawing/builtin_bitmaps.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::cerr << "usage: drawres [--check] FOLDER\n";
    return 2;
  }
  const std::string folder = argv[argc - 1];
  int status = 0;
  for (const auto& d : drawres::AllDrawings()) {
    const auto canvas = d.draw();
    const auto size = velmar::BuiltinBitmapSize(d.name);
    if (!size || size->first != canvas.width() || size->second != canvas.height()) {
      std::cerr << d.name << ": drawn at " << canvas.width() << "x" << canvas.height()
                << ", which is not its size in the bitmap table\n";
      status = 1;
    }
    const auto bytes = canvas.bmpFile();
    const std::string path = folder + "/" + d.name + ".bmp";
    if (check) {
      if (ReadAll(path) != bytes) {
        std::cerr << path << " differs from its drawing; run drawres " << folder << "\n";
        status = 1;
      }
    } else {
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      if (!out.flush()) {
        std::cerr << "cannot write " << path << "\n";
        status = 1;
      }
    }
  }
  return status;
}
