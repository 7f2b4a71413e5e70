#include "tests/files/scratch_folder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quellor::testing {
namespace fs = std::filesystem;

namespace {
std::atomic<int> folderCounter{0};

unsigned long ProcessId() {
#ifdef _WIN32
  return ::GetCurrentProcessId();
#else
  return static_cast<unsigned long>(::getpid());
#endif
}
}  // namespace

ScratchFolder::ScratchFolder() {
  const std::string base = fs::temp_directory_path().string();
  std::string folder = base;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
    folder += fs::path::preferred_separator == L'\\' ? '\\' : '/';
  }
  folder += "quellor-files-" + std::to_string(ProcessId()) + "-" +
            std::to_string(folderCounter.fetch_add(1));
  fs::remove_all(folder);
  fs::create_directory(folder);
  path_ = folder + (fs::path::preferred_separator == L'\\' ? '\\' : '/');
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  for (const std::string& name : Names()) Unprotect(File(name));
  fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::Names() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(path_, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string RawRead(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void RawWrite(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

std::string AllByteValues(std::size_t repeats) {
  std::string bytes;
  for (std::size_t r = 0; r < repeats; ++r) {
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    bytes += "\r\n\n\r\x1a";
    bytes += '\0';
  }
  return bytes;
}

#ifdef _WIN32
void Protect(const std::string& path, Protection protection) {
  const DWORD bit = protection == Protection::kReadOnly ? FILE_ATTRIBUTE_READONLY
                    : protection == Protection::kHidden ? FILE_ATTRIBUTE_HIDDEN
                                                        : FILE_ATTRIBUTE_SYSTEM;
  if (!::SetFileAttributesA(path.c_str(), bit)) throw std::runtime_error("cannot protect " + path);
}
void Unprotect(const std::string& path) {
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
#else
void Protect(const std::string& path, Protection protection) {
  if (protection != Protection::kReadOnly || ::chmod(path.c_str(), 0444) != 0) {
    throw std::runtime_error("cannot protect " + path);
  }
}
void Unprotect(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::chmod(path.c_str(), 0644);
}
#endif

}  // namespace quellor::testing
