// The `*` / `?` matcher the POSIX listing uses in place of the system's.
//
// It follows what a Windows user expects of a file mask:
// - letters match ignoring ASCII case; bytes 0x80-0xFF must be equal, since we
//   never decode a name and cannot know its code page;
// - `*` matches any run of bytes, `?` exactly one byte, and the whole name must match;
// - a mask ending in ".*" also matches a name with no dot at all, so "*.*" lists
//   every file and "readme.*" finds "readme";
// - a mask ending in a single "." matches only names with no dot ("*." lists files
//   without an extension).
// Windows also tries a mask against each file's 8.3 short name ("*.htm" finding
// "page.html"); there are no short names here, so we do not imitate that.

#include <string_view>

#include "files/folder_listing.h"

namespace quellor {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Plain wildcard match. On a mismatch only the most recent `*` is moved on by one
// byte; earlier ones never need revisiting, so the cost stays within name length
// times mask length, with no recursion.
bool MatchesWildcards(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starAt = std::string_view::npos;  // position of the last `*` in pattern
  std::size_t starName = 0;                     // where in name that `*` resumes
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      starName = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& pattern) {
  const std::string_view nameView = name;
  const std::string_view patternView = pattern;
  if (MatchesWildcards(nameView, patternView)) {
    return true;
  }
  const bool hasDot = nameView.find('.') != std::string_view::npos;
  if (hasDot) {
    return false;
  }
  if (EndsWith(patternView, ".*")) {
    return MatchesWildcards(nameView, patternView.substr(0, patternView.size() - 2));
  }
  if (EndsWith(patternView, ".") && !EndsWith(patternView, "..")) {
    return MatchesWildcards(nameView, patternView.substr(0, patternView.size() - 1));
  }
  return false;
}

}  // namespace quellor
