#pragma once
// Listing one folder, the only file-system access the search needs. On Windows the
// system's enumeration matches the mask; elsewhere our own matcher does, with the
// same case-insensitive `*` / `?` rules.

#include <functional>
#include <optional>
#include <string>

namespace quellor {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

struct FolderEntry {
  std::string name;  // long name, without the folder
  bool isFolder = false;
};

// Calls visit for every entry of folderWithSeparator that matches pattern, in the
// system's enumeration order ("." and ".." included, as the system gives them).
// Stops early when visit returns false. An unlistable folder yields nothing.
void ListFolder(const std::string& folderWithSeparator, const std::string& pattern,
                const std::function<bool(const FolderEntry&)>& visit);

// Identity of a folder on its volume, the same however it is reached (links
// included), or nullopt when it cannot be opened.
struct FolderIdentity {
  unsigned long long volume = 0;
  unsigned long long index = 0;
  bool operator<(const FolderIdentity& other) const {
    return volume != other.volume ? volume < other.volume : index < other.index;
  }
};
std::optional<FolderIdentity> IdentifyFolder(const std::string& path);

// Whether path names an existing folder, a link to one included.
bool IsFolder(const std::string& path);

// Case-insensitive (ASCII) wildcard match of a whole name, as the POSIX backend
// uses it; exposed for tests.
bool MatchesMask(const std::string& name, const std::string& pattern);

}  // namespace quellor
