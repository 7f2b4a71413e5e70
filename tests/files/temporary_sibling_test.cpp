#include "files/temporary_sibling.h"

#include <gtest/gtest.h>

#include <set>

namespace quellor {
namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

TEST(TemporarySiblingPath, SitsBesideTheTargetWithARecognisableName) {
  const std::string folder = std::string("top") + kSep + "sub" + kSep;
  const std::string path = TemporarySiblingPath(folder + "page.html", 42);
  EXPECT_EQ(FolderOfPath(path), folder);
  const std::string name = path.substr(folder.size());
  EXPECT_EQ(name.rfind(".page.html.quellor-42-", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
  EXPECT_EQ(FolderOfPath("bare.txt"), "");
  EXPECT_EQ(TemporarySiblingPath("bare.txt", 7).rfind(".bare.txt.quellor-7-", 0), 0u);
}

TEST(TemporarySiblingPath, NeverRepeatsItself) {
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(TemporarySiblingPath("a.txt", 1));
  EXPECT_EQ(seen.size(), 1000u);
}

TEST(TemporarySiblingPath, ShortensWhenTheNameWouldBeTooLong) {
  const std::string longName(250, 'n');
  const std::string path = TemporarySiblingPath(std::string("d") + kSep + longName, 9);
  EXPECT_EQ(path.rfind(std::string("d") + kSep + ".quellor-9-", 0), 0u) << path;
}

#ifdef _WIN32
TEST(TemporarySiblingPath, KeepsWithinMaxPath) {
  const std::string deep = "C:\\" + std::string(230, 'd') + "\\";
  const std::string path = TemporarySiblingPath(deep + "file.txt", 1234);
  EXPECT_LE(path.size(), 259u);
  EXPECT_EQ(path.rfind(deep + ".quellor-1234-", 0), 0u) << path;
  EXPECT_EQ(FolderOfPath("C:drive-relative.txt"), "C:");
}
#endif

}  // namespace
}  // namespace quellor
