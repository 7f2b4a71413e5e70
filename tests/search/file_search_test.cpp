// The search over real folder trees. The system decides the order of a folder's
// entries, so expected orders are built from the order the listing itself gives;
// what the search adds (own files first, depth-first, nothing sorted) is checked
// against that.

#include "app/file_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "files/folder_listing.h"
#include "tests/search/scratch_tree.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quellor {
namespace {

using testing::ScratchTree;
using Paths = std::vector<std::string>;

const std::string kSep(1, kPathSeparator);

Paths Collect(bool recursive, const std::string& folder, const std::string& mask) {
  Paths found;
  const FoundPathSink sink = [&found](std::string path) {
    found.push_back(std::move(path));
    return true;
  };
  if (recursive) {
    FindFilesRecursive(folder, mask, sink);
  } else {
    FindFiles(folder, mask, sink);
  }
  return found;
}

Paths Sorted(Paths paths) {
  std::sort(paths.begin(), paths.end());
  return paths;
}

// Entry names of a folder in the order the system enumerates them.
std::vector<std::string> ListingOrder(const std::string& folder) {
  std::vector<std::string> names;
  ListFolder(WithTrailingSeparator(folder), "*.*", [&names](const FolderEntry& entry) {
    names.push_back(entry.name);
    return true;
  });
  return names;
}

TEST(WithTrailingSeparator, AppendsOneSeparatorUnlessThere) {
  // '|' stands for the platform's separator.
  const struct {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"C:|", "C:|"}, {"C:|Docs", "C:|Docs|"}, {"", "|"},
      {"|", "|"},     {"a|b|", "a|b|"},        {"a||", "a||"},
  };
  auto withSeparator = [](std::string text) {
    std::replace(text.begin(), text.end(), '|', kPathSeparator);
    return text;
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithTrailingSeparator(withSeparator(c.folder)), withSeparator(c.expected))
        << "folder \"" << c.folder << "\"";
  }
}

// F holds a.txt and b.txt, S1 holding c.txt, and S2 holding only S3 holding d.txt.
class ExampleTree : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.AddFile("a.txt");
    tree_.AddFile("b.txt");
    tree_.AddFolder("S1");
    tree_.AddFile("S1/c.txt");
    tree_.AddFolder("S2/S3");
    tree_.AddFile("S2/S3/d.txt");
  }

  // The example's order for whatever order the system lists F's entries in.
  Paths ExpectedRecursiveOrder() const {
    Paths expected;
    const std::vector<std::string> order = ListingOrder(tree_.Root());
    for (const std::string& name : order) {
      if (name == "a.txt" || name == "b.txt") {
        expected.push_back(tree_.Path(name));
      }
    }
    for (const std::string& name : order) {
      if (name == "S1") {
        expected.push_back(tree_.Path("S1/c.txt"));
      } else if (name == "S2") {
        expected.push_back(tree_.Path("S2/S3/d.txt"));
      }
    }
    return expected;
  }

  ScratchTree tree_;
};

TEST_F(ExampleTree, RecursiveSearchIsDepthFirstWithOwnFilesFirst) {
  EXPECT_EQ(Collect(true, tree_.Root(), "*.txt"), ExpectedRecursiveOrder());
  // The trailing separator already there is not doubled.
  EXPECT_EQ(Collect(true, tree_.Root() + kSep, "*.txt"), ExpectedRecursiveOrder());
  // Listing everything in one enumeration keeps the same order.
  EXPECT_EQ(Collect(true, tree_.Root(), ""), ExpectedRecursiveOrder());
}

TEST_F(ExampleTree, FlatSearchStaysInTheFolder) {
  Paths expected;
  for (const std::string& name : ListingOrder(tree_.Root())) {
    if (name == "a.txt" || name == "b.txt") {
      expected.push_back(tree_.Path(name));
    }
  }
  EXPECT_EQ(Collect(false, tree_.Root(), "*.txt"), expected);
  EXPECT_EQ(Collect(false, tree_.Root() + kSep, "*.txt"), expected);
  EXPECT_EQ(Collect(false, tree_.Path("S2"), "*.txt"), Paths{});
}

TEST_F(ExampleTree, SinkSayingStopEndsTheWholeWalk) {
  for (std::size_t stopAfter = 1; stopAfter <= 4; ++stopAfter) {
    Paths found;
    FindFilesRecursive(tree_.Root(), "*.txt", [&](std::string path) {
      found.push_back(std::move(path));
      return found.size() < stopAfter;
    });
    const Paths all = ExpectedRecursiveOrder();
    EXPECT_EQ(found, Paths(all.begin(), all.begin() + static_cast<long>(stopAfter)));
  }
  Paths flat;
  FindFiles(tree_.Root(), "", [&](std::string path) {
    flat.push_back(std::move(path));
    return false;
  });
  EXPECT_EQ(flat.size(), 1U);
}

TEST(FileSearch, MasksPickFilesNeverFolders) {
  ScratchTree tree;
  for (const char* name : {"a.txt", "B.TXT", "c.htm", "ab.htm", "noext", ".hidden.txt"}) {
    tree.AddFile(name);
  }
  tree.AddFolder("x.txt");  // a folder named like the mask
  tree.AddFile("x.txt/inner.txt");
  tree.AddFolder("pages");  // a folder the mask does not match
  tree.AddFile("pages/p.txt");
  auto in = [&tree](std::initializer_list<const char*> names) {
    Paths paths;
    for (const char* name : names) {
      paths.push_back(tree.Path(name));
    }
    return Sorted(paths);
  };
  const struct {
    bool recursive;
    const char* mask;
    Paths expected;
  } cases[] = {
      {false, "", in({"a.txt", "B.TXT", "c.htm", "ab.htm", "noext", ".hidden.txt"})},
      {false, "*.*", in({"a.txt", "B.TXT", "c.htm", "ab.htm", "noext", ".hidden.txt"})},
      {false, "*.txt", in({"a.txt", "B.TXT", ".hidden.txt"})},
      {false, "*.TXT", in({"a.txt", "B.TXT", ".hidden.txt"})},
      {false, "?.htm", in({"c.htm"})},
      {false, "x.txt", in({})},
      {false, "none.*", in({})},
      {true, "*.txt", in({"a.txt", "B.TXT", ".hidden.txt", "x.txt/inner.txt", "pages/p.txt"})},
      {true, "x.txt", in({})},
      {true, "",
       in({"a.txt", "B.TXT", "c.htm", "ab.htm", "noext", ".hidden.txt", "x.txt/inner.txt",
           "pages/p.txt"})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sorted(Collect(c.recursive, tree.Root(), c.mask)), c.expected)
        << (c.recursive ? "recursive" : "flat") << ", mask \"" << c.mask << "\"";
  }
}

TEST(FileSearch, MissingFolderFindsNothing) {
  ScratchTree tree;
  EXPECT_EQ(Collect(false, tree.Path("missing"), "*.txt"), Paths{});
  EXPECT_EQ(Collect(true, tree.Path("missing"), "*.txt"), Paths{});
  tree.AddFile("plain.txt");  // a file is not a folder to search
  EXPECT_EQ(Collect(true, tree.Path("plain.txt"), "*.*"), Paths{});
}

TEST(FileSearch, LinkCyclesEndAndListEachFileOnce) {
  ScratchTree tree;
  tree.AddFile("a.txt");
  tree.AddFolder("S1/deeper");
  tree.AddFile("S1/b.txt");
  tree.AddFile("S1/deeper/c.txt");
  tree.AddFolder("S2");
  tree.AddFile("S2/d.txt");
  if (!tree.AddFolderLink("S1/deeper/back", "") || !tree.AddFolderLink("S2/toS1", "S1") ||
      !tree.AddFolderLink("S2/self", "S2")) {
    GTEST_SKIP() << "symbolic links to folders cannot be made here";
  }
  std::map<std::string, int> seen;
  Paths found;
  FindFilesRecursive(tree.Root(), "*.txt", [&](const std::string& path) {
    found.push_back(path);
    const std::size_t cut = path.find_last_of(kPathSeparator);
    ++seen[path.substr(cut + 1)];
    return found.size() < 1000;  // a runaway walk fails below instead of hanging
  });
  const std::map<std::string, int> once{{"a.txt", 1}, {"b.txt", 1}, {"c.txt", 1}, {"d.txt", 1}};
  EXPECT_EQ(seen, once) << ::testing::PrintToString(found);
}

#ifdef _WIN32
TEST(FileSearch, HiddenAndSystemEntriesCountLikeAnyOther) {
  ScratchTree tree;
  tree.AddFile("hidden.txt");
  tree.AddFile("system.txt");
  tree.AddFolder("secret");
  tree.AddFile("secret/inner.txt");
  ASSERT_TRUE(SetFileAttributesA(tree.Path("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA(tree.Path("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(SetFileAttributesA(tree.Path("secret").c_str(), FILE_ATTRIBUTE_DIRECTORY |
                                                                  FILE_ATTRIBUTE_HIDDEN |
                                                                  FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(
      Sorted(Collect(true, tree.Root(), "*.txt")),
      Sorted({tree.Path("hidden.txt"), tree.Path("system.txt"), tree.Path("secret/inner.txt")}));
}
#else
// Root may list any folder, so as root the search runs in a child process that
// has given up its rights.
TEST(FileSearch, UnlistableSubfolderIsSkipped) {
  ScratchTree tree;
  tree.AddFolder("closed/inner");
  tree.AddFile("closed/inner/lost.txt");
  tree.AddFolder("open");
  tree.AddFile("open/kept.txt");
  ASSERT_EQ(chmod(tree.Path("closed").c_str(), 0), 0);
  const Paths expected{tree.Path("open/kept.txt")};
  if (geteuid() != 0) {
    EXPECT_EQ(Collect(true, tree.Root(), "*.txt"), expected);
  } else {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      constexpr uid_t kNobody = 65534;
      const bool dropped = setgid(kNobody) == 0 && setuid(kNobody) == 0;
      _exit(!dropped ? 2 : Collect(true, tree.Root(), "*.txt") == expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: wrong files found, 2: could not drop root";
  }
  chmod(tree.Path("closed").c_str(), 0700);
}
#endif

}  // namespace
}  // namespace quellor
