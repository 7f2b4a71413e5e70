#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "files/read_into_text.h"
#include "files/temporary_sibling.h"
#include "files/whole_file.h"
#include "files/write_gate.h"

namespace quellor {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and tells whether the close succeeded: on some file systems the
  // close is where a deferred write error shows up.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Bounded requests, so that a failing disk shows up as an error on one of several
// requests rather than only as a short count.
constexpr std::size_t kMaxRequest = std::size_t{1} << 20;

bool ReadExactly(int fd, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(fd, data, size < kMaxRequest ? size : kMaxRequest);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // an error, or the file shrank under us
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

bool WriteExactly(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size < kMaxRequest ? size : kMaxRequest);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

bool IsSymbolicLink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The file a write must land in: a symbolic link is written through to the file
// it names, so the link itself stays a link.
struct WriteTarget {
  std::string path;
  bool exists = false;
  struct stat info {};
};

WriteResult FindWriteTarget(const std::string& path, WriteTarget& target) {
  if (!NamesAFile(path)) return WriteResult::kFailed;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) != nullptr) {
    target.path = resolved;
    if (::stat(target.path.c_str(), &target.info) != 0) return WriteResult::kFailed;
    target.exists = true;
    return WriteResult::kWritten;
  }
  // A dangling link or a missing folder: there is no sound place to create the file.
  if (errno != ENOENT || IsSymbolicLink(path)) return WriteResult::kFailed;
  target.path = path;
  return WriteResult::kWritten;
}

// Rules out everything that must stay untouched before anything is created.
WriteResult CheckExistingTarget(const WriteTarget& target) {
  // Renaming over a device, a pipe or a folder would replace it: only regular files.
  if (!S_ISREG(target.info.st_mode)) return WriteResult::kFailed;
  // No write bit at all means read-only, also for root, who could write it anyway.
  if ((target.info.st_mode & 0222) == 0) return WriteResult::kProtected;
  // The rename needs only the folder's permission; the file's own must agree too.
  if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
    return errno == EACCES || errno == EPERM ? WriteResult::kProtected : WriteResult::kFailed;
  }
  return WriteResult::kWritten;
}

// Gives the new file the old one's owner and permissions, as far as we may. The
// set-id bits are dropped, as the system drops them when a file's content changes.
void CopyOwnerAndMode(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  (void)::fchmod(fd, old.st_mode & 01777);
}

}  // namespace

std::optional<std::string> TryReadWholeFile(const std::string& path) {
  // O_NONBLOCK only so that opening a named pipe cannot hang; it is refused below.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.valid()) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return ReadIntoNewText(
      static_cast<std::size_t>(info.st_size),
      [&](char* buffer, std::size_t size) { return ReadExactly(file.get(), buffer, size); });
}

WriteResult WriteWholeFileThroughTemporary(const std::string& path, std::string_view text) {
  WriteTarget target;
  if (WriteResult found = FindWriteTarget(path, target); found != WriteResult::kWritten) {
    return found;
  }
  if (target.exists) {
    if (WriteResult checked = CheckExistingTarget(target); checked != WriteResult::kWritten) {
      return checked;
    }
  }

  // The old content stays in place until the new one is completely on disk.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporarySiblingPath(target.path, static_cast<unsigned long>(::getpid()));
    // A new file's mode is the umask's to decide, as for any created file; over
    // an existing one, the copy stays private until it takes the old one's mode.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                target.exists ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) return WriteResult::kFailed;
  }
  FileDescriptor file(fd);
  if (!file.valid()) return WriteResult::kFailed;

  if (target.exists) CopyOwnerAndMode(file.get(), target.info);
  const bool complete = WriteExactly(file.get(), text.data(), text.size()) &&
                        ::fsync(file.get()) == 0 && file.Close();
  if (!complete || ::rename(temporary.c_str(), target.path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return WriteResult::kFailed;
  }
  return WriteResult::kWritten;
}

}  // namespace quellor
