// mklang: the language file compiler for people who make install media.
//
//   mklang compile SOURCE.txt OUTDIR   writes OUTDIR/Velmar.Lnn and OUTDIR/VSETUP.Lnn
//   mklang decompile FILE              prints the text source of a language file
//
// Exit status 0 on success, 1 on any fault (printed to the error output).

#include <cstdio>
#include <exception>
#include <string>

#include "platform/files/host_files.h"
#include "common/language_compiler.h"

namespace {

int Usage() {
  std::fputs(
      "usage: mklang compile SOURCE.txt OUTDIR\n"
      "       mklang decompile FILE\n"
      "compile writes Velmar.Lnn (combined) and VSETUP.Lnn (separate) for the\n"
      "language code named in the source; decompile prints a language file as source.\n",
      stderr);
  return 1;
}

std::string FileName(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

int Compile(velmar::platform::FileSystem& files, const std::string& source, const std::string& outFolder) {
  const auto written = velmar::CompileLanguageFiles(files, velmar::platform::HostPathToWindows(source),
                                                    velmar::platform::HostPathToWindows(outFolder));
  std::printf("%s and %s written to %s\n", FileName(written[0]).c_str(), FileName(written[1]).c_str(),
              outFolder.c_str());
  return 0;
}

int Decompile(velmar::platform::FileSystem& files, const std::string& file) {
  const velmar::DecompiledLanguage result =
      velmar::DecompileLanguageFileAt(files, velmar::platform::HostPathToWindows(file));
  const std::string heading = "Decompiled from " + FileName(file) +
                              (result.combined ? " (combined file, group 16)" : " (separate file)");
  std::fputs(velmar::FormatLanguageSource(result.source, heading).c_str(), stdout);
  for (const std::string& problem : result.problems) std::fprintf(stderr, "mklang: %s: %s\n", file.c_str(), problem.c_str());
  return result.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    const auto files = velmar::platform::MakeHostFileSystem();
    if (command == "compile" && argc == 4) return Compile(*files, argv[2], argv[3]);
    if (command == "decompile" && argc == 3) return Decompile(*files, argv[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "mklang: %s\n", error.what());
    return 1;
  }
  return Usage();
}
