// Windows path strings. Input: a path, a line break, the current folder
// (made absolute when it is not).
// A full path name stays what it is when made full again.
#include <cstdlib>

#include "base/path_utils.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const size_t cut = std::min(text.find('\n'), text.size());
  const std::string_view path = text.substr(0, cut);
  // The file system always reports an absolute current folder.
  std::string current(text.substr(std::min(cut + 1, size)));
  if (current.size() < 3 || current[1] != ':' || (current[2] != '\\' && current[2] != '/')) current.insert(0, "C:\\");

  const std::string full = FullPathName(path, current);
  if (FullPathName(full, current) != full) std::abort();
  SamePath(path, current, current);
  ParentFolder(path, current);
  FileDrive(path);
  if (FileFolderPart(path) + FileNamePart(path) != path) std::abort();
  if (NameWithoutExt(path) + FileExtension(path) != FileNamePart(path)) std::abort();
  WithoutBackslash(WithBackslash(path));
  Unquote(path);
  ValueAfterEquals(path);
  IsImageFile(path);
  PadNumber(int64_t(size) * 7919 - 50000, int(size % 40) - 5, '0');
  return 0;
}
