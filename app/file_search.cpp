// The search walks one folder, or a tree depth-first, over the folder-listing layer.
// Each folder's own files come first, then its subfolders in enumeration order;
// nothing is sorted, because the batch depends on this order.

#include "app/file_search.h"

#include <set>
#include <vector>

#include "files/folder_listing.h"

namespace quellor {
namespace {

const char* const kEveryName = "*.*";

// A folder we cannot identify (no rights to open it, an odd file system) is still
// entered, but a chain of such folders ends here: only a cycle of links could
// reach this depth, and beyond it paths outgrow what Windows can open anyway.
constexpr int kMaxUnidentifiedDepth = 64;

// Appends base + name for every matching non-folder entry. False when the sink
// has asked to stop.
bool AddFolderFiles(const std::string& base, const std::string& mask, const FoundPathSink& sink) {
  const std::string pattern = mask.empty() ? kEveryName : mask;
  bool goOn = true;
  ListFolder(base, pattern, [&](const FolderEntry& entry) {
    if (entry.isFolder) {
      return true;
    }
    goOn = sink(base + entry.name);
    return goOn;
  });
  return goOn;
}

std::vector<std::string> ListSubfolders(const std::string& base) {
  std::vector<std::string> names;
  ListFolder(base, kEveryName, [&](const FolderEntry& entry) {
    if (entry.isFolder && entry.name != "." && entry.name != "..") {
      names.push_back(entry.name);
    }
    return true;
  });
  return names;
}

class TreeWalk {
 public:
  TreeWalk(const std::string& mask, const FoundPathSink& sink) : mask_(mask), sink_(sink) {}

  void Start(const std::string& folder) {
    if (const auto identity = IdentifyFolder(folder)) {
      entered_.insert(*identity);
    }
    Walk(folder, 0);
  }

 private:
  // False when the sink has asked to stop.
  bool Walk(const std::string& folder, int unidentifiedDepth) {
    // An empty path has no subfolders, but its files are still those of the
    // current drive's root, as the trailing-separator rule makes it.
    std::vector<std::string> subfolders;
    const std::string base = WithTrailingSeparator(folder);
    if (folder.empty()) {
      if (!AddFolderFiles(base, mask_, sink_)) {
        return false;
      }
    } else if (mask_.empty() || mask_ == kEveryName) {
      // The files and the subfolders come from the same enumeration: list it once.
      if (!AddFilesAndSubfolders(base, subfolders)) {
        return false;
      }
    } else {
      subfolders = ListSubfolders(base);
      if (!AddFolderFiles(base, mask_, sink_)) {
        return false;
      }
    }
    for (const std::string& name : subfolders) {
      const std::string path = base + name;
      int depth = unidentifiedDepth;
      if (!ShouldEnter(path, depth)) {
        continue;
      }
      if (!Walk(path, depth)) {
        return false;
      }
    }
    return true;
  }

  bool AddFilesAndSubfolders(const std::string& base, std::vector<std::string>& subfolders) {
    bool goOn = true;
    ListFolder(base, kEveryName, [&](const FolderEntry& entry) {
      if (!entry.isFolder) {
        goOn = sink_(base + entry.name);
      } else if (entry.name != "." && entry.name != "..") {
        subfolders.push_back(entry.name);
      }
      return goOn;
    });
    return goOn;
  }

  // Links are entered like folders, but never a folder this walk has been in.
  bool ShouldEnter(const std::string& path, int& unidentifiedDepth) {
    if (const auto identity = IdentifyFolder(path)) {
      return entered_.insert(*identity).second;
    }
    return ++unidentifiedDepth <= kMaxUnidentifiedDepth;
  }

  const std::string& mask_;
  const FoundPathSink& sink_;
  std::set<FolderIdentity> entered_;
};

}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != kPathSeparator) {
    folder += kPathSeparator;
  }
  return folder;
}

void FindFiles(const std::string& folder, const std::string& mask, const FoundPathSink& sink) {
  AddFolderFiles(WithTrailingSeparator(folder), mask, sink);
}

void FindFilesRecursive(const std::string& folder, const std::string& mask,
                        const FoundPathSink& sink) {
  TreeWalk(mask, sink).Start(folder);
}

}  // namespace quellor
