// quellor-cli on files and folders: conversion in place, what it reports, what it
// never writes, and the folder search with the window's batch order.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/file_search.h"
#include "tests/cli/cli_runner.h"
#include "tests/search/scratch_tree.h"

namespace quellor {
namespace {

using namespace std::string_literals;
using testing::CliInput;
using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;
using testing::RunCliOnTerminal;
using testing::ScratchTree;
using testing::WriteBytes;

const std::string kMixedCase = "<a href=\"Index.HTM\">Home</a>\0<img src=\"X.GIF\">"s;
const std::string kLowered = "<a href=\"index.htm\">Home</a>\0<img src=\"X.GIF\">"s;
const std::string kNoLinks = "plain text, \xCF\xD0 and a NUL \0 byte"s;

std::string Lines(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) {
    text += path + "\n";
  }
  return text;
}

// A change time far in the past, so that any rewrite shows.
void Age(const std::string& path) {
  const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

bool Aged(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && info.st_mtim.tv_sec == 1000000000;
}

class CliFiles : public ::testing::Test {
 protected:
  std::string File(const std::string& name, const std::string& bytes) {
    std::string path = tree_.Path(name);
    WriteBytes(path, bytes);
    Age(path);
    return path;
  }

  ScratchTree tree_;
};

TEST_F(CliFiles, ConvertsInPlaceAndLeavesUnchangedFilesUntouched) {
  const std::string changing = File("a.htm", kMixedCase);
  const std::string same = File("b.htm", kNoLinks);
  const std::string empty = File("c.htm", "");
  const CliRun run = RunCli({changing, same, empty});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "1 converted, 2 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(changing), kLowered);
  EXPECT_EQ(ReadBytes(same), kNoLinks);
  EXPECT_TRUE(Aged(same)) << "an unchanged file was rewritten";
  EXPECT_TRUE(Aged(empty)) << "an unchanged file was rewritten";
}

TEST_F(CliFiles, DryRunNamesWhatWouldChangeAndWritesNothing) {
  const std::string changing = File("a.htm", kMixedCase);
  const std::string same = File("b.htm", kNoLinks);
  const CliRun run = RunCli({"--dry-run", same, changing, "--passes=href"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, Lines({changing}));
  EXPECT_EQ(run.err, "1 to convert, 1 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(changing), kMixedCase);
  EXPECT_TRUE(Aged(changing));
  // Only the src pass: nothing of it to lower in this file.
  EXPECT_EQ(RunCli({"-n", "--passes=src", changing}).out, "");
}

TEST_F(CliFiles, FailuresAreReportedAndNeverCostTheFile) {
  const std::string good = File("good.htm", kMixedCase);
  const std::string readOnly = File("ro.htm", kMixedCase);
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  const std::string missing = tree_.Path("missing.htm");
  const CliRun run = RunCli({missing, readOnly, good});
  chmod(readOnly.c_str(), 0644);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("quellor-cli: " + missing + ": cannot read\n"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("quellor-cli: " + readOnly + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("1 converted, 0 unchanged, 2 failed\n"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(readOnly), kMixedCase);
  EXPECT_TRUE(Aged(readOnly));
  EXPECT_EQ(ReadBytes(good), kLowered);
  struct stat info {};
  EXPECT_NE(stat(missing.c_str(), &info), 0) << "a missing file was created";
}

TEST_F(CliFiles, DoubleDashEndsOptions) {
  File("-n", kMixedCase);
  CliInput in;
  in.workingFolder = tree_.Root();
  const CliRun run = RunCli({"--", "-n"}, in);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadBytes(tree_.Path("-n")), kLowered);
}

TEST_F(CliFiles, StandardInputAndFilesTogether) {
  const std::string file = File("a.htm", kMixedCase);
  CliInput in;
  in.bytes = "src='A.JPG'";
  const CliRun run = RunCli({file, "-"}, in);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "src='a.jpg'");
  EXPECT_EQ(run.err, "1 converted, 0 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(file), kLowered);
}

// F holds a.txt, b.txt and page.htm, S1 holding c.txt and x.txt (a folder holding
// e.txt), and S2 holding only S3 holding d.txt.
class CliFolders : public CliFiles {
 protected:
  void SetUp() override {
    for (const char* folder : {"S1/x.txt", "S2/S3"}) {
      tree_.AddFolder(folder);
    }
    for (const char* name :
         {"a.txt", "b.txt", "page.htm", "S1/c.txt", "S1/x.txt/e.txt", "S2/S3/d.txt"}) {
      File(name, kMixedCase);
    }
  }

  std::vector<std::string> Search(bool recursive, const std::string& mask) const {
    std::vector<std::string> found;
    const FoundPathSink sink = [&found](std::string path) {
      found.push_back(std::move(path));
      return true;
    };
    if (recursive) {
      FindFilesRecursive(tree_.Root(), mask, sink);
    } else {
      FindFiles(tree_.Root(), mask, sink);
    }
    return found;
  }
};

TEST_F(CliFolders, ListPrintsTheSearchAndConvertsNothing) {
  const struct {
    std::vector<std::string> options;
    bool recursive;
    const char* mask;
    std::size_t count;
  } cases[] = {
      {{}, false, "*.txt", 2},
      {{"-r"}, true, "*.txt", 5},
      {{"--recursive", "--mask=*.htm"}, true, "*.htm", 1},
      {{"--mask="}, false, "", 3},
      {{"-r", "--mask=?.TXT"}, true, "?.txt", 5},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.options;
    args.push_back("--list");
    args.push_back(tree_.Root());
    const CliRun run = RunCli(args);
    const std::vector<std::string> expected = Search(c.recursive, c.mask);
    EXPECT_EQ(expected.size(), c.count) << c.mask;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, Lines(expected)) << ::testing::PrintToString(args);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(ReadBytes(tree_.Path("a.txt")), kMixedCase);
  EXPECT_TRUE(Aged(tree_.Path("a.txt")));
}

TEST_F(CliFolders, ConvertsFoundFilesLastFoundFirst) {
  std::vector<std::string> batchOrder = Search(true, "*.txt");
  std::reverse(batchOrder.begin(), batchOrder.end());
  // A dry run names the files in the order the conversion takes them.
  EXPECT_EQ(RunCli({"-rn", tree_.Root()}).out, Lines(batchOrder));

  const CliRun run = RunCli({"-r", tree_.Root(), tree_.Path("page.htm")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "6 converted, 0 unchanged, 0 failed\n");  // no progress line off a terminal
  for (const char* name : {"a.txt", "S1/x.txt/e.txt", "S2/S3/d.txt", "page.htm"}) {
    EXPECT_EQ(ReadBytes(tree_.Path(name)), kLowered) << name;
  }
  const CliRun again = RunCli({"-r", tree_.Root()});
  EXPECT_EQ(again.err, "0 converted, 5 unchanged, 0 failed\n");
}

TEST_F(CliFolders, FlatSearchLeavesSubfoldersAlone) {
  const CliRun run = RunCli({tree_.Root()});
  EXPECT_EQ(run.err, "2 converted, 0 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(tree_.Path("S1/c.txt")), kMixedCase);
  EXPECT_EQ(ReadBytes(tree_.Path("page.htm")), kMixedCase);
}

TEST(CliProgress, ShownOnATerminalForManyFilesOnly) {
  ScratchTree tree;
  for (int i = 0; i < 250; ++i) {
    WriteBytes(tree.Path("f" + std::to_string(i) + ".txt"), "href=\"A.HTM\"");
  }
  const CliRun quiet = RunCli({"-n", tree.Root()});
  EXPECT_EQ(quiet.err, "250 to convert, 0 unchanged, 0 failed\n");

  const CliRun shown = RunCliOnTerminal({tree.Root()});
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_NE(shown.out.find("\r converted 50/250"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("\r converted 250/250\r\n250 converted, 0 unchanged, 0 failed"),
            std::string::npos)
      << shown.out;

  for (int i = 0; i < 100; ++i) {
    WriteBytes(tree.Path("f" + std::to_string(i) + ".txt"), "href=\"A.HTM\"");
  }
  const CliRun few = RunCliOnTerminal({"--mask=f?.txt", tree.Root()});  // ten files
  EXPECT_EQ(few.out.find("\r converted"), std::string::npos) << few.out;
}

}  // namespace
}  // namespace quellor
