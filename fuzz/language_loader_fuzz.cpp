// Language support loading the setup texts from a medium in memory: the
// combined file or the separate one, in short reads, with a failing read
// now and then. A load either gives texts or an error; after an error no
// text of any language is left.
//
// Input: two control bytes, then the language file.
#include <cstdlib>

#include "base/codepage.h"
#include "base/errors.h"
#include "text/language_support.h"
#include "formats/language_file.h"
#include "support/files/failing_files.h"
#include "support/input_reader.h"
#include "support/files/memory_file_system.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputReader input(data, size);
  const uint8_t mode = input.byte(), control = input.byte();
  static const int Codes[] = {44, 48, 49, 33};
  const int code = Codes[(mode >> 1) & 3];
  const bool combined = mode & 1;

  test::MemoryFileSystem memory;
  const std::string file = input.rest();
  if (combined) {
    memory.addFile("D:\\Velmar.L44", "not this one");
    memory.addFile("D:\\Velmar.L49", "nor this one");
    memory.addFile("D:\\Velmar" + LanguageFileExtension(code), file);
  } else {
    memory.addFile("D:\\VSETUP" + LanguageFileExtension(code), file);
  }
  memory.setReadPiece(control & 0x0F ? (control & 0x0F) * 11 : 0);
  test::FailingFiles files(memory);
  if (control & 0x80) files.failAt(test::FileOp::Read, ((control >> 4) & 7) + 1);

  LanguageSupport language(files, "D:\\");
  language.Initialise();
  if (language.CombinedMode() != combined) std::abort();
  int result;
  try {
    result = language.Load(code);
  } catch (const InstallerError&) {
    if (language.Translate(16, 1, "default") != "default" || language.LastCode() != 0) std::abort();
    return 0;
  }
  if (result != LanguageSupport::Loaded && result != LanguageSupport::BadMagic) std::abort();
  for (int id = 1; id <= 9000; ++id) {
    const int length = language.TextLength(16, id);
    const std::string text = language.Translate(16, id, "");
    if (length == 0 && !text.empty()) std::abort();
    if (!IsValidUtf8(text)) std::abort();
    if (length == 0 && id > 64) break;
  }
  language.TranslateWith(0, 1, "Cannot find $", "C:\\x");
  if (language.Load(code) != result) std::abort();  // a repeated request reports the first
  return 0;
}
