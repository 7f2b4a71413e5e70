#include <windows.h>

#include <new>
#include <stdexcept>

#include "files/read_into_text.h"
#include "files/temporary_sibling.h"
#include "files/whole_file.h"
#include "files/write_gate.h"

namespace quellor {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) ::CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes now and tells whether the close succeeded.
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

constexpr DWORD kProtectedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool IsSharingError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Opening for writing with OPEN_EXISTING changes nothing in the file, and with no
// sharing it fails exactly when another program has the file open.
HANDLE OpenExclusively(const std::string& path) {
  return ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The path of the file a handle stands for, links resolved (Wine resolves its
// Unix symbolic links here too); empty when the system cannot say.
std::string FinalPathOf(HANDLE file) {
  constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  std::string path(MAX_PATH, '\0');
  DWORD length = ::GetFinalPathNameByHandleA(file, path.data(), MAX_PATH, kFlags);
  if (length >= MAX_PATH) {  // too small: length is the size it needs
    path.assign(length, '\0');
    length = ::GetFinalPathNameByHandleA(file, path.data(), length, kFlags);
  }
  if (length == 0 || length >= path.size()) return std::string();
  path.resize(length);
  // Back to the ordinary forms, which every ANSI file function accepts.
  if (path.rfind("\\\\?\\UNC\\", 0) == 0) return "\\" + path.substr(7);
  if (path.rfind("\\\\?\\", 0) == 0 && path.size() >= 7 && path[5] == ':') return path.substr(4);
  return path;
}

// Requests of at most 1 GB, so that any size fits a DWORD on 64-bit builds.
constexpr std::size_t kMaxRequest = std::size_t{1} << 30;

// Every count is compared: on a full disk Wine's WriteFile can report success
// having written only part of the request.
bool WriteExactly(HANDLE file, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD request = static_cast<DWORD>(size < kMaxRequest ? size : kMaxRequest);
    DWORD written = 0;
    if (!::WriteFile(file, data, request, &written, nullptr) || written != request) return false;
    data += written;
    size -= written;
  }
  return true;
}

struct WriteTarget {
  std::string path;  // where the new content goes, links resolved
  bool exists = false;
};

// Settles where the write goes, refusing protected, locked and odd targets before
// anything is opened for writing that could harm them.
WriteResult FindWriteTarget(const std::string& path, WriteTarget& target) {
  target.path = path;
  if (!NamesAFile(path)) return WriteResult::kFailed;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    // Only a missing file in an existing folder may be created.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND ? WriteResult::kWritten : WriteResult::kFailed;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return WriteResult::kFailed;
  // Wine would empty a hidden or system file, and a read-only one for root, on an
  // open for writing: these are refused here, on their attributes alone.
  if (attributes & kProtectedAttributes) return WriteResult::kProtected;

  FileHandle probe(OpenExclusively(path));
  if (!probe.valid()) {
    return IsSharingError(::GetLastError()) ? WriteResult::kLocked : WriteResult::kFailed;
  }
  // Through a link, the file that would really change must pass the same checks.
  // (Only the basic record: the full one asks for the volume's serial number,
  // which costs Wine milliseconds per file.)
  FILE_BASIC_INFO information{};
  if (!::GetFileInformationByHandleEx(probe.get(), FileBasicInfo, &information,
                                      sizeof information)) {
    return WriteResult::kFailed;
  }
  if (information.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) return WriteResult::kFailed;
  if (information.FileAttributes & kProtectedAttributes) return WriteResult::kProtected;
  // Replacing a link would cut it from its file: write where it leads instead.
  // Wine shows its Unix links as plain files, so every target is resolved.
  // A '?' means a name the ANSI code page cannot spell, and an overlong result
  // would fail where the given path worked: for plain files the given path does.
  std::string finalPath = FinalPathOf(probe.get());
  if (!finalPath.empty() && finalPath.find('?') == std::string::npos &&
      finalPath.size() < MAX_PATH) {
    target.path = std::move(finalPath);
  } else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    return WriteResult::kFailed;
  }
  target.exists = true;
  return WriteResult::kWritten;
}

WriteResult ResultOfFailedReplace(const WriteTarget& target) {
  if (!target.exists) return WriteResult::kFailed;
  // Another program may have opened the file since it was checked.
  FileHandle probe(OpenExclusively(target.path));
  if (!probe.valid() && IsSharingError(::GetLastError())) return WriteResult::kLocked;
  return WriteResult::kFailed;
}

}  // namespace

std::optional<std::string> TryReadWholeFile(const std::string& path) {
  // FILE_SHARE_READ: others may read along, nobody may write during the read, and
  // the open fails if somebody already has the file open for writing.
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  DWORD high = 0;
  const DWORD size = ::GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
  if (high != 0) return std::nullopt;  // 4 GB or more cannot be one text here
  return ReadIntoNewText(size, [&](char* buffer, std::size_t length) {
    DWORD read = 0;
    return length == 0 ||
           (::ReadFile(file.get(), buffer, static_cast<DWORD>(length), &read, nullptr) &&
            read == length);
  });
}

WriteResult WriteWholeFileThroughTemporary(const std::string& path, std::string_view text) {
  WriteTarget target;
  if (WriteResult found = FindWriteTarget(path, target); found != WriteResult::kWritten) {
    return found;
  }

  // The old content stays in place until the new one is completely on disk.
  std::string temporary;
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = TemporarySiblingPath(target.path, ::GetCurrentProcessId());
    handle = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS &&
        ::GetLastError() != ERROR_ALREADY_EXISTS) {
      return WriteResult::kFailed;
    }
  }
  FileHandle file(handle);
  if (!file.valid()) return WriteResult::kFailed;

  const bool complete = WriteExactly(file.get(), text.data(), text.size()) &&
                        ::FlushFileBuffers(file.get()) && file.Close();
  // No copy fallback: a copy would cut the target first, which is what we avoid.
  if (complete && ::MoveFileExA(temporary.c_str(), target.path.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return WriteResult::kWritten;
  }
  if (file.valid()) file.Close();
  ::DeleteFileA(temporary.c_str());
  return complete ? ResultOfFailedReplace(target) : WriteResult::kFailed;
}

}  // namespace quellor
