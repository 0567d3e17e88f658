// A stand-in for the product's programs on sample media: whatever name it is
// given, it notes each start with its arguments in "standin.log" beside
// itself and ends. "/hold=SECONDS" keeps it running that long, for trying the
// installer's waits.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path self = fs::absolute(argv[0]);
  std::ofstream log(self.parent_path() / "standin.log", std::ios::app | std::ios::binary);
  log << self.filename().string();
  int holdSeconds = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    log << ' ' << arg;
    if (arg.rfind("/hold=", 0) == 0) holdSeconds = std::atoi(arg.c_str() + 6);
  }
  log << "\r\n";
  log.close();
  if (holdSeconds > 0) std::this_thread::sleep_for(std::chrono::seconds(holdSeconds));
  return 0;
}
