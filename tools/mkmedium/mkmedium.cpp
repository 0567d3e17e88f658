// mkmedium: builds a sample install medium for demonstrations and tests.
//
//   mkmedium OUTDIR SETUP_PROGRAM STANDIN_PROGRAM LANGUAGE_SOURCES
//
// OUTDIR receives Setup.exe (a copy of SETUP_PROGRAM), Setup.ini, the language
// files compiled from LANGUAGE_SOURCES/vsetup_NN.txt, readme files in three
// languages, two product releases, two patches, projects (plain and zipped,
// with the demo project), two customers' installs in Custom\, a utilities
// folder and, in Extras\, what the extra install commands run and copy. The
// product's programs are copies of STANDIN_PROGRAM, a small program that
// notes its starts.

#include <cstdio>
#include <exception>

#include "common/sample_medium.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: mkmedium OUTDIR SETUP_PROGRAM STANDIN_PROGRAM LANGUAGE_SOURCES\n");
    return 2;
  }
  try {
    velmar::MakeSampleMedium(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mkmedium: %s\n", e.what());
    return 1;
  }
  return 0;
}
