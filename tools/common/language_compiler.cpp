#include "common/language_compiler.h"

#include "base/codepage.h"
#include "base/errors.h"
#include "base/path_utils.h"
#include "formats/language_file.h"
#include "platform/files/file_contents.h"

namespace velmar {
namespace {

}  // namespace

CompiledLanguage CompileLanguage(const LanguageSource& source) {
  const CodePage page = LanguageCodePage(source.code);
  std::vector<std::string> texts(source.texts.empty() ? 0 : size_t(source.texts.rbegin()->first));
  for (const auto& [id, text] : source.texts) texts[size_t(id) - 1] = EncodeFromUtf8(text, page);
  CompiledLanguage compiled;
  compiled.code = source.code;
  compiled.separateFile = BuildGroupBlock(texts);
  compiled.combinedFile = BuildCombinedFile(compiled.separateFile);
  return compiled;
}

DecompiledLanguage DecompileLanguage(std::string_view fileBytes, int languageCode) {
  DecompiledLanguage result;
  result.source.code = languageCode;
  BufferSource source(fileBytes);
  StoredTexts texts;
  result.combined = HasCombinedMagic(fileBytes);
  if (result.combined) {
    const CombinedDirectory directory = ReadCombinedDirectory(source);
    const DirectoryEntry* setup =
        directory.entries.size() >= size_t(langfile::SetupGroup) ? &directory.entries[langfile::SetupGroup - 1] : nullptr;
    if (setup && setup->size > 0 && setup->offset >= 0) {
      texts = ReadGroupBlock(source, uint64_t(setup->offset));
    } else {
      result.problems.push_back("the file holds no setup group (group 16)");
    }
  } else {
    texts = ReadGroupBlock(source, 0);
  }

  const CodePage page = LanguageCodePage(languageCode);
  for (size_t n = 1; n <= texts.size(); ++n) {
    if (texts[n - 1]) {
      result.source.texts[int(n)] = DecodeToUtf8(*texts[n - 1], page);
    } else {
      result.problems.push_back("text " + std::to_string(n) + " lies outside the index table or the string data");
    }
  }
  return result;
}

std::vector<std::string> CompileLanguageFiles(platform::FileSystem& files, const std::string& sourcePath,
                                              const std::string& outFolder) {
  CompiledLanguage compiled;
  try {
    compiled = CompileLanguage(ParseLanguageSource(platform::ReadFileContentsOrRaise(files, sourcePath)));
  } catch (const InstallerError& error) {
    throw InstallerError(sourcePath + ":\n" + error.what());
  }
  const std::string extension = LanguageFileExtension(compiled.code);
  const std::string folder = WithBackslash(outFolder);
  const std::vector<std::string> written = {folder + "Velmar" + extension, folder + "VSETUP" + extension};
  platform::ReplaceFileContentsOrRaise(files, written[0], compiled.combinedFile);
  platform::ReplaceFileContentsOrRaise(files, written[1], compiled.separateFile);
  return written;
}

DecompiledLanguage DecompileLanguageFileAt(platform::FileSystem& files, const std::string& path) {
  const int code = LanguageCodeOfFileName(path);
  if (code < 1)
    throw InstallerError("\"" + path + "\": the name of a language file ends in .Lnn, nn being the language code");
  return DecompileLanguage(platform::ReadFileContentsOrRaise(files, path), code);
}

}  // namespace velmar
