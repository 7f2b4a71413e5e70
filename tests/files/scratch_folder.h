#pragma once
// A private folder per test, removed with everything in it afterwards, and a few
// ways to look at files that do not go through the code under test.

#include <string>
#include <string_view>
#include <vector>

namespace quellor::testing {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The folder's path, ending in the system's separator.
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  // The names of the folder's entries, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

// Raw byte access through the standard streams in binary mode.
std::string RawRead(const std::string& path);
void RawWrite(const std::string& path, std::string_view bytes);
bool Exists(const std::string& path);

// Every byte value, NUL first, a few times over, in an order that catches
// dropped or doubled bytes and any CR/LF translation.
std::string AllByteValues(std::size_t repeats);

enum class Protection { kReadOnly, kHidden, kSystem };
void Protect(const std::string& path, Protection protection);
// Undoes Protect, so the folder can be removed.
void Unprotect(const std::string& path);

}  // namespace quellor::testing
