// Folder listing for the native build: readdir in its own order, our own mask
// matcher, and stat only where the directory entry cannot tell a folder by itself.

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "files/folder_listing.h"

namespace quellor {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool StatIsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A link to a folder counts as a folder, as a junction does on Windows; a dangling
// link is a file that cannot be read.
bool EntryIsFolder(const std::string& folderWithSeparator, const dirent& entry) {
#ifdef _DIRENT_HAVE_D_TYPE
  if (entry.d_type == DT_DIR) {
    return true;
  }
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
    return false;
  }
#endif
  return StatIsFolder(folderWithSeparator + entry.d_name);
}

bool MatchesEverything(const std::string& pattern) { return pattern == "*" || pattern == "*.*"; }

}  // namespace

void ListFolder(const std::string& folderWithSeparator, const std::string& pattern,
                const std::function<bool(const FolderEntry&)>& visit) {
  // opendir("") fails, as listing "" fails on Windows.
  const DirHandle dir(opendir(folderWithSeparator.c_str()));
  if (!dir) {
    return;
  }
  const bool everything = MatchesEverything(pattern);
  FolderEntry found;
  while (const dirent* entry = readdir(dir.get())) {
    found.name = entry->d_name;
    if (!everything && !MatchesMask(found.name, pattern)) {
      continue;
    }
    found.isFolder = EntryIsFolder(folderWithSeparator, *entry);
    if (!visit(found)) {
      return;
    }
  }
}

std::optional<FolderIdentity> IdentifyFolder(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return std::nullopt;
  }
  FolderIdentity identity;
  identity.volume = static_cast<unsigned long long>(info.st_dev);
  identity.index = static_cast<unsigned long long>(info.st_ino);
  return identity;
}

bool IsFolder(const std::string& path) { return StatIsFolder(path); }

}  // namespace quellor
