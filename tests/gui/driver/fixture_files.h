#pragma once
// Fixture files on the Windows side of the prefix, made and read by the test
// process itself so that attributes and locks are the ones Wine enforces.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace quellor::gui {

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\\" + relative, creating the folders on the way.
  std::string Put(std::string_view relative, std::string_view content) const;
  std::string MakeFolder(std::string_view relative) const;
  std::string Join(std::string_view relative) const;

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, std::string_view content);
// nullopt when the file cannot be read (missing, locked).
std::optional<std::string> ReadBytes(const std::string& path);
bool Exists(const std::string& path);
void SetAttributes(const std::string& path, DWORD attributes);
ULONGLONG LastWriteTime(const std::string& path);
// Every name in a folder except "." and "..", to spot stray temporary files.
size_t EntryCount(const std::string& folder);

// Holds a file open with no sharing, as another program would, until released.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace quellor::gui
