// Folder listing on Windows: the system's enumeration does the mask matching, and
// the directory bit alone tells a folder (hidden, system and read-only ones alike).

#include <windows.h>

#include "files/folder_listing.h"

namespace quellor {
namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (IsValid()) {
      FindClose(handle_);
    }
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;

  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (IsValid()) {
      CloseHandle(handle_);
    }
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

void ListFolder(const std::string& folderWithSeparator, const std::string& pattern,
                const std::function<bool(const FolderEntry&)>& visit) {
  WIN32_FIND_DATAA data{};
  const FindHandle find(FindFirstFileA((folderWithSeparator + pattern).c_str(), &data));
  if (!find.IsValid()) {
    return;
  }
  FolderEntry found;
  do {
    found.name = data.cFileName;
    found.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!visit(found)) {
      return;
    }
  } while (FindNextFileA(find.Get(), &data));
}

std::optional<FolderIdentity> IdentifyFolder(const std::string& path) {
  // Backup semantics is what lets CreateFile open a folder at all; asking for no
  // access right keeps it working on folders we may only list.
  const FileHandle folder(CreateFileA(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!folder.IsValid()) {
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(folder.Get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::nullopt;
  }
  FolderIdentity identity;
  identity.volume = info.dwVolumeSerialNumber;
  identity.index =
      (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return identity;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace quellor
