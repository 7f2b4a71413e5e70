// The mask matcher the native listing relies on, against what a Windows user
// expects a mask to find.

#include <gtest/gtest.h>

#include <string>

#include "files/folder_listing.h"

namespace quellor {
namespace {

struct MaskCase {
  const char* name;
  const char* pattern;
  bool matches;
};

TEST(MatchesMask, FollowsWindowsMaskRules) {
  const MaskCase cases[] = {
      // plain wildcards, whole name only
      {"a.txt", "*.txt", true},
      {"a.txt.bak", "*.txt", false},
      {"xa.txt", "a.txt", false},
      {"a.txt", "a.tx", false},
      {".hidden.txt", "*.txt", true},
      {"x.txt", "x.txt", true},
      {"", "*", true},
      {"", "?", false},
      {"a.htm", "?.htm", true},
      {"ab.htm", "?.htm", false},
      {".htm", "?.htm", false},
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"a*b", "a?b", true},
      {"aXbXc", "a*b*c", true},
      {"aXbX", "a*b*c", false},
      {"mississippi", "*iss*ipp*", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*b", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*a*a*a*b", false},
      // ASCII case does not count; other bytes must be equal
      {"README.TXT", "*.txt", true},
      {"readme.txt", "README.*", true},
      {"\xCF\xD0.txt", "\xCF\xD0.txt", true},
      {"\xEF\xF0.txt", "\xCF\xD0.txt", false},  // Windows-1251 lower/upper pair: not folded
      // "*.*" and "name.*" also take names without a dot
      {"noext", "*.*", true},
      {"a.b.c", "*.*", true},
      {"readme", "readme.*", true},
      {"readme.md", "readme.*", true},
      {"readmes", "readme.*", false},
      // a trailing dot asks for names without an extension
      {"noext", "*.", true},
      {"a.txt", "*.", false},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(MatchesMask(c.name, c.pattern), c.matches)
        << "name \"" << c.name << "\", mask \"" << c.pattern << "\"";
  }
}

}  // namespace
}  // namespace quellor
