#include "services/shell/browse_folder.h"

#include <vector>

#include "base/codepage.h"
#include "ui/host.h"

namespace velmar {
namespace {

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t cut = path.find('\\', start);
    parts.emplace_back(path.substr(start, cut == std::string_view::npos ? std::string_view::npos : cut - start));
    if (cut == std::string_view::npos) return parts;
    start = cut + 1;
  }
}

std::string JoinPath(const std::vector<std::string>& parts) {
  std::string path;
  for (size_t i = 0; i < parts.size(); ++i) path += (i ? "\\" : "") + parts[i];
  return path;
}

}  // namespace

std::string MinimizePath(std::string_view path, size_t limit) {
  if (CharacterCount(path) <= limit) return std::string(path);
  std::vector<std::string> parts = SplitPath(path);
  if (parts.size() < 3) return std::string(path);
  parts[1] = "...";
  std::string shortened = JoinPath(parts);
  while (CharacterCount(shortened) > limit && parts.size() >= 4) {
    parts.erase(parts.begin() + 2);
    shortened = JoinPath(parts);
  }
  return shortened;
}

bool TBrowseFolder::Execute(ui::Host& host) {
  ui::BrowseOptions options;
  options.title = Title;
  if (CharacterCount(Directory) <= MaxPath) options.startFolder = Directory;
  options.flags = Flags;
  if (RootFolder != foDesktopExpanded) options.rootFolder = int(RootFolder);
  options.showPathInStatusArea = ShowPathInStatusArea;
  options.owner = Owner;
  if (OnInitialized) options.onInitialized = [this] { OnInitialized(*this); };
  options.onSelectionChanged = [this](const std::string& path) {
    selectedPath_ = path;
    if (SyncCustomButton) CustomButtonEnabled = !path.empty();
    if (OnSelectionChanged) OnSelectionChanged(*this, path);
  };
  const std::optional<std::string> chosen = host.BrowseForFolder(options);
  if (!chosen) return false;
  Directory = *chosen;
  selectedPath_ = *chosen;
  return true;
}

}  // namespace velmar
