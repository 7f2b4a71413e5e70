#include "tests/gui/driver/fixture_files.h"

#include <atomic>
#include <cstdlib>

namespace quellor::gui {
namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
}

// All of a test process's folders sit in one root, removed at its exit: a
// folder that a file dialog of the program made its current folder cannot be
// removed until that program has ended.
std::string TempRoot() {
  // Plain bytes: the exit handler below runs after static strings are gone.
  static char root[MAX_PATH + 1] = {};
  static const bool made = [] {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    // Roots of earlier runs whose process has ended go now (a folder a killed
    // program held as its current folder may have stayed behind).
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((std::string(base) + "quellor-gui-*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const auto owner = static_cast<DWORD>(std::strtoul(entry.cFileName + 12, nullptr, 10));
        HANDLE alive = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner);
        if (alive != nullptr) {
          CloseHandle(alive);
        } else {
          RemoveTree(std::string(base) + entry.cFileName);
        }
      } while (FindNextFileA(find, &entry));
      FindClose(find);
    }
    const std::string path =
        std::string(base) + "quellor-gui-" + std::to_string(GetCurrentProcessId());
    path.copy(root, sizeof root - 1);
    MakeFolders(path);
    std::atexit([] { RemoveTree(root); });
    return true;
  }();
  static_cast<void>(made);
  return root;
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = TempRoot() + "\\" + std::to_string(counter++);
  MakeFolders(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Join(std::string_view relative) const {
  return path_ + "\\" + std::string(relative);
}

std::string TempFolder::MakeFolder(std::string_view relative) const {
  const std::string path = Join(relative);
  MakeFolders(path);
  return path;
}

std::string TempFolder::Put(std::string_view relative, std::string_view content) const {
  const std::string path = Join(relative);
  const size_t slash = path.rfind('\\');
  MakeFolders(path.substr(0, slash));
  WriteBytes(path, content);
  return path;
}

void WriteBytes(const std::string& path, std::string_view content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  const BOOL ok = content.empty() || ReadFile(file, content.data(),
                                              static_cast<DWORD>(content.size()), &read, nullptr);
  CloseHandle(file);
  if (!ok || (!content.empty() && read != content.size())) return std::nullopt;
  return content;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetAttributes(const std::string& path, DWORD attributes) {
  SetFileAttributesA(path.c_str(), attributes);
}

ULONGLONG LastWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

size_t EntryCount(const std::string& folder) {
  size_t count = 0;
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") ++count;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return count;
}

FileLock::FileLock(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileLock::~FileLock() {
  if (held()) CloseHandle(handle_);
}

}  // namespace quellor::gui
