#include "tests/search/scratch_tree.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#define QUELLOR_GETPID _getpid
#else
#include <unistd.h>
#define QUELLOR_GETPID getpid
#endif

#include "files/folder_listing.h"

namespace quellor::testing {
namespace fs = std::filesystem;

ScratchTree::ScratchTree() {
  static std::atomic<int> counter{0};
  const fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("quellor-search-" + std::to_string(QUELLOR_GETPID()) + "-" +
                                       std::to_string(counter++));
    if (fs::create_directory(candidate)) {
      root_ = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot make a scratch folder");
}

ScratchTree::~ScratchTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string ScratchTree::Path(const std::string& relative) const {
  std::string path = root_;
  if (!relative.empty()) {
    path += kPathSeparator;
  }
  for (const char c : relative) {
    path += c == '/' ? kPathSeparator : c;
  }
  return path;
}

void ScratchTree::AddFolder(const std::string& relative) const {
  fs::create_directories(Path(relative));
}

void ScratchTree::AddFile(const std::string& relative, const std::string& content) const {
  std::ofstream file(Path(relative), std::ios::binary);
  file << content;
  if (!file) {
    throw std::runtime_error("cannot write " + Path(relative));
  }
}

bool ScratchTree::AddFolderLink(const std::string& relative,
                                const std::string& targetRelative) const {
  std::error_code error;
  fs::create_directory_symlink(Path(targetRelative), Path(relative), error);
  return !error;
}

}  // namespace quellor::testing
