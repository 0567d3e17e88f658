// Answer files: any text reads completely or fails with a message; every
// step read, written back as an answer-file line, reads as the same step.
#include <cstdlib>

#include "base/errors.h"
#include "ui/script/answer_file.h"

using namespace velmar;
using namespace velmar::ui::script;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Script script;
  try {
    script = ParseAnswerFile(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const InstallerError&) {
    return 0;
  }
  for (const Step& step : script.Steps()) {
    Script again;
    try {
      again = ParseAnswerFile(step.Describe());
    } catch (const InstallerError&) {
      std::abort();
    }
    if (again.Steps().size() != 1) std::abort();
    Step copy = again.Steps()[0];
    copy.line = step.line;
    if (!(copy == step)) std::abort();
  }
  return 0;
}
