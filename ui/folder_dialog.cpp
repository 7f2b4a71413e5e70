#include "ui/folder_dialog.h"

#include <shlobj.h>

#include <array>

#include "ui/handles.h"

namespace quellor::ui {

bool FolderDialog::Show() {
  std::array<char, MAX_PATH> displayName{};
  BROWSEINFOA browse{};
  browse.hwndOwner = owner_;
  browse.pidlRoot = nullptr;
  browse.pszDisplayName = displayName.data();
  browse.lpszTitle = nullptr;
  browse.ulFlags = BIF_RETURNONLYFSDIRS;

  const UniqueIdList chosen(SHBrowseForFolderA(&browse));
  if (!chosen) return false;
  std::array<char, MAX_PATH> path{};
  if (!SHGetPathFromIDListA(chosen.get(), path.data())) return false;
  std::lock_guard<std::mutex> lock(pathMutex_);
  path_.assign(path.data());
  return true;
}

std::string FolderDialog::Path() const {
  std::lock_guard<std::mutex> lock(pathMutex_);
  return path_;
}

}  // namespace quellor::ui
