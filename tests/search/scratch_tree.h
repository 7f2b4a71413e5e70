#pragma once
// A throw-away folder tree for search tests, removed again at the end of a test.

#include <string>

namespace quellor::testing {

class ScratchTree {
 public:
  ScratchTree();
  ~ScratchTree();
  ScratchTree(const ScratchTree&) = delete;
  ScratchTree& operator=(const ScratchTree&) = delete;

  const std::string& Root() const { return root_; }
  // relative uses '/' between levels; the result uses the platform's separator.
  std::string Path(const std::string& relative) const;

  void AddFolder(const std::string& relative) const;
  void AddFile(const std::string& relative, const std::string& content = "x") const;
  // A symbolic link to a folder; false where the system will not make one.
  bool AddFolderLink(const std::string& relative, const std::string& targetRelative) const;

 private:
  std::string root_;
};

}  // namespace quellor::testing
