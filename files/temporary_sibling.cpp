#include "files/temporary_sibling.h"

#include <atomic>
#include <cstddef>

namespace quellor {
namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "\\/:";
// The ANSI file functions refuse longer paths (MAX_PATH less the terminator).
constexpr std::size_t kMaxPath = 259;
#else
constexpr const char* kSeparators = "/";
constexpr std::size_t kMaxPath = 4095;
#endif
constexpr std::size_t kMaxName = 255;

std::atomic<unsigned long> nextTemporaryNumber{0};

}  // namespace

std::string FolderOfPath(const std::string& path) {
  const std::size_t cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool NamesAFile(const std::string& path) {
  return !path.empty() && FolderOfPath(path).size() < path.size();
}

std::string TemporarySiblingPath(const std::string& target, unsigned long processId) {
  const std::string folder = FolderOfPath(target);
  const std::string name = target.substr(folder.size());
  const std::string tag = "quellor-" + std::to_string(processId) + "-" +
                          std::to_string(nextTemporaryNumber.fetch_add(1)) + ".tmp";
  std::string longName = "." + name + "." + tag;
  if (longName.size() <= kMaxName && (folder + longName).size() <= kMaxPath)
    return folder + longName;
  return folder + "." + tag;
}

}  // namespace quellor
