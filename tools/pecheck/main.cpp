// pecheck: the checksum of Windows program files.
//   pecheck FILE...           tells for each file whether its checksum matches
//                             (exit status 1 when one does not)
//   pecheck --stamp FILE...   records the checksum in each file
// Only standard C++ besides the checksum itself: the build compiles this for
// the machine it runs on and stamps every Windows program it links.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "formats/pe_checksum.h"

namespace {

bool ReadAll(const std::string& path, std::vector<uint8_t>& data) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool Stamp(const std::string& path) {
  std::vector<uint8_t> data;
  if (!ReadAll(path, data)) {
    std::cerr << path << ": cannot read\n";
    return false;
  }
  const auto offset = velmar::PeChecksumOffset(data);
  if (!offset || !velmar::StampPeChecksum(data)) {
    std::cerr << path << ": not a Windows program\n";
    return false;
  }
  std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
  out.seekp(static_cast<std::streamoff>(*offset));
  out.write(reinterpret_cast<const char*>(&data[*offset]), 4);
  if (!out.flush()) {
    std::cerr << path << ": cannot write\n";
    return false;
  }
  return true;
}

bool Check(const std::string& path) {
  std::vector<uint8_t> data;
  if (!ReadAll(path, data)) {
    std::cout << path << ": cannot read\n";
    return false;
  }
  const auto offset = velmar::PeChecksumOffset(data);
  if (!offset) {
    std::cout << path << ": not a Windows program\n";
    return false;
  }
  const uint32_t recorded = velmar::ReadPeChecksum(data, *offset);
  const uint32_t actual = *velmar::ComputePeChecksum(data);
  if (recorded == 0) {
    std::cout << path << ": no checksum recorded\n";
    return false;
  }
  if (recorded != actual) {
    std::cout << path << ": damaged (checksum " << std::hex << recorded << ", contents give " << actual << ")\n";
    return false;
  }
  std::cout << path << ": intact\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool stamp = argc > 1 && std::string(argv[1]) == "--stamp";
  const int first = stamp ? 2 : 1;
  if (argc <= first) {
    std::cerr << "usage: pecheck [--stamp] FILE...\n";
    return 2;
  }
  bool ok = true;
  for (int i = first; i < argc; ++i) ok = (stamp ? Stamp(argv[i]) : Check(argv[i])) && ok;
  return ok ? 0 : 1;
}
