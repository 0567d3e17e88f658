// The language text source: a source that parses compiles into both file
// forms, and both decompile and print back to the same texts.
#include <cstdlib>

#include "base/errors.h"
#include "common/language_compiler.h"
#include "common/language_source.h"

using namespace velmar;

namespace {

std::map<int, std::string> NonEmpty(const std::map<int, std::string>& texts) {
  std::map<int, std::string> out;
  for (const auto& [id, text] : texts)
    if (!text.empty()) out[id] = text;
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LanguageSource source;
  try {
    source = ParseLanguageSource(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const InstallerError&) {
    return 0;
  }
  if (source.code < 1 || source.code > 99) std::abort();
  const CompiledLanguage compiled = CompileLanguage(source);
  const auto expected = NonEmpty(source.texts);
  for (const std::string* file : {&compiled.separateFile, &compiled.combinedFile}) {
    const DecompiledLanguage back = DecompileLanguage(*file, source.code);
    if (!back.problems.empty() || NonEmpty(back.source.texts) != expected) std::abort();
  }
  const LanguageSource reread = ParseLanguageSource(FormatLanguageSource(source, "heading\nsecond line"));
  if (reread.code != source.code || NonEmpty(reread.texts) != expected) std::abort();
  return 0;
}
