// quellor-cli as a filter: standard input through the passes to standard output,
// byte for byte, and its refusals of a bad command line.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rewrite/link_case.h"
#include "tests/cli/cli_runner.h"

namespace quellor {
namespace {

using namespace std::string_literals;
using testing::CliInput;
using testing::CliRun;
using testing::RunCli;

CliRun Filter(const std::vector<std::string>& args, const std::string& input,
              bool throughPipe = false) {
  CliInput in;
  in.bytes = input;
  in.throughPipe = throughPipe;
  return RunCli(args, in);
}

struct FilterCase {
  const char* passes;
  std::string input;
  std::string expected;
};

// The rewriting rules' worked examples, each through its own pass.
const FilterCase kWorkedExamples[] = {
    {"href", R"(<a href="Index.HTM">Home</a>)", R"(<a href="index.htm">Home</a>)"},
    {"href", R"(<a href='Docs/Read Me.TXT'>)", R"(<a href='docs/read me.txt'>)"},
    {"href", R"(<a href="A.HTM">A</a><a href="B.HTM">B</a>)",
     R"(<a href="a.htm">A</a><a href="b.htm">B</a>)"},
    {"href", R"(HREF="X.HTM" Href="Y.HTM")", R"(HREF="X.HTM" Href="Y.HTM")"},
    {"href", R"(<a data-href="Y.HTM">)", R"(<a data-href="y.htm">)"},
    {"href", R"(href="It's.HTM")", R"(href="it's.htm")"},
    {"href", R"(href='A "B" C')", R"(href='a "b" c')"},
    {"href", R"(href="Go.php?HREF=X")", R"(href="go.php?href=x")"},
    {"href", "href=\"\xCF\xD0\xC8\xC2\xC5\xD2.HTM\"", "href=\"\xCF\xD0\xC8\xC2\xC5\xD2.htm\""},
    {"href", "<a href=\"Dir/\r\nPage.HTM\">", "<a href=\"dir/\r\npage.htm\">"},
    {"href", R"(<a href="A.HTM>Go</a> <img src="B.GIF">)",
     R"(<a href="a.htm>go</a> <img src="B.GIF">)"},
    {"href", R"(<a href="Page.HTM>Go</a>)", R"(<a href="page.htm>go</a>")"},
    {"href", "A\0href=\"B\""s, "A\0href=\"B\""s},
    {"href", "href=\"A\" \0 href=\"B\""s, "href=\"a\" \0 href=\"B\""s},
    {"href", "href=\"A\0B\" x=\"C\""s, "href=\"a\0b\" x=\"c\"\""s},
    {"src", R"(<img src="Images/Logo.GIF" alt="Logo">)",
     R"(<img src="images/logo.gif" alt="Logo">)"},
    {"src", R"(<script src='Menu.JS'></script>)", R"(<script src='menu.js'></script>)"},
    {"src", R"(<img lowsrc="X.GIF">)", R"(<img lowsrc="x.gif">)"},
    {"src", R"(<img srcset="A.JPG">)", R"(<img srcset="A.JPG">)"},
    {"additem", R"(addItem("Home","Index.HTM","Main");)", R"(addItem("Home","index.htm","Main");)"},
    {"additem", R"(menu.addItem("About Us", "Pages/About.HTM", "");)",
     R"(menu.addItem("About Us", "pages/about.htm", "");)"},
    {"additem", "addItem(\"\xC3\xEB\xE0\xE2\xED\xE0\xFF\",\"Index.HTM\",\"\")",
     "addItem(\"\xC3\xEB\xE0\xE2\xED\xE0\xFF\",\"index.htm\",\"\")"},
    {"additem", R"(AddItem("A","B.HTM","C");)", R"(AddItem("A","B.HTM","C");)"},
    {"additem", "addItem(\"A\",\r\n\"B.HTM\",\r\n\"C\")", "addItem(\"A\",\r\n\"b.htm\",\r\n\"C\")"},
    {"additem", "addItem(\"A\",\"B.HTM\");\r\naddItem(\"C\",\"D.HTM\");\r\n",
     "addItem(\"A\",\"b.htm\");\r\nadditem(\"c\",\"D.HTM\");\r\n"},
    {"additem", R"(addItem("A","B.HTM"))", R"(addItem("A","b.htm"),)"},
    {"additem", "addItem(x)", "addItem(x),,"},
    {"additem", "addItem(\"A\0\",\"B.HTM\",\"C\")"s, "addItem(\"A\0\",\"B.HTM\",\"C\"),,"s},
    // nothing to do, and nothing at all
    {"href,src,additem", "", ""},
    {"href,src,additem", "\0\xFF\r\n\n\r"s, "\0\xFF\r\n\n\r"s},
};

TEST(CliFilter, WorkedExamplesByteForByte) {
  for (const FilterCase& c : kWorkedExamples) {
    const CliRun run = Filter({"--passes="s + c.passes}, c.input);
    EXPECT_EQ(run.exitCode, 0) << c.input;
    EXPECT_EQ(run.out, c.expected) << "passes " << c.passes << ", input " << c.input;
    EXPECT_EQ(run.err, "") << c.input;
  }
}

TEST(CliFilter, PassesRunInTheirFixedOrderWhateverTheListSays) {
  // The src pass sees the "src=" that the href pass makes by lowering "SRC=";
  // run the other way round, it would find nothing.
  const std::string input = R"(href="A?SRC='B" C='D' addItem("X","Y.HTM","Z"))";
  const std::string hrefThenSrc = R"(href="a?src='b" c='D' addItem("X","Y.HTM","Z"))";
  const std::string all = R"(href="a?src='b" c='D' addItem("X","y.htm","Z"))";
  const struct {
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {{}, all},
      {{"--passes=href,src,additem"}, all},
      {{"--passes=additem,src,href"}, all},
      {{"--passes=src,href"}, hrefThenSrc},
      {{"--passes=src,href,src"}, hrefThenSrc},
      {{"--passes=href"}, R"(href="a?src='b" C='D' addItem("X","Y.HTM","Z"))"},
      {{"--passes=src"}, input},
      {{"--passes=additem"}, R"(href="A?SRC='B" C='D' addItem("X","y.htm","Z"))"},
      {{"--passes=href,src", "-"}, hrefThenSrc},
  };
  for (const auto& c : cases) {
    const CliRun run = Filter(c.args, input);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, c.expected) << ::testing::PrintToString(c.args);
  }
}

// Binary input larger than the first read block, from a file and from a pipe,
// comes out as the library converts it.
TEST(CliFilter, LargeBinaryInputMatchesTheLibrary) {
  std::mt19937 random(7);
  const std::string pieces[] = {"href=\"", "src='", "addItem(", ",",    "\"",
                                "'",       "ABC",   "xyz",      "\r\n", "\xC0\xFF"};
  std::string input;
  while (input.size() < (std::size_t{9} << 20)) {
    input += pieces[random() % std::size(pieces)];
  }
  input[input.size() / 2] = '\0';  // the second half is past the searchable part
  const std::string expected = ApplyPasses(input, PassSelection{});
  ASSERT_NE(expected, input);
  for (const bool throughPipe : {false, true}) {
    const CliRun run = Filter({}, input, throughPipe);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out == expected)
        << (throughPipe ? "pipe" : "file") << ": output of " << run.out.size() << " bytes differs";
  }
}

TEST(CliFilter, DryRunNamesStandardInputOnlyWhenItWouldChange) {
  EXPECT_EQ(Filter({"-n"}, R"(href="A")").out, "-\n");
  EXPECT_EQ(Filter({"--dry-run", "-"}, R"(href="a")").out, "");
}

TEST(CliUsage, BadCommandLinesAreRefusedWithUsage) {
  const std::vector<std::string> cases[] = {
      {"--passes=foo"},
      {"--passes="},
      {"--passes=href,,src"},
      {"--passes=href,"},
      {"--passes"},
      {"--mask"},
      {"--bogus"},
      {"-x"},
      {"-rx"},
      {"-", "-"},
      {"--list"},
      {"--list", "-"},
      {"--list", "-n", "."},
  };
  for (const auto& args : cases) {
    const CliRun run = Filter(args, R"(href="A")");
    EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "") << ::testing::PrintToString(args);
    EXPECT_EQ(run.err.rfind("quellor-cli: ", 0), 0U) << run.err;
    EXPECT_NE(run.err.find("Usage: quellor-cli"), std::string::npos) << run.err;
  }
}

TEST(CliUsage, HelpGoesToStandardOutput) {
  for (const char* option : {"-h", "--help"}) {
    const CliRun run = Filter({option, "--bogus-after-help-is-still-refused"}, "");
    EXPECT_EQ(run.exitCode, 2);
    const CliRun help = Filter({option}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: quellor-cli", 0), 0U);
    EXPECT_NE(help.out.find("unchanged"), std::string::npos);
    EXPECT_EQ(help.err, "");
  }
}

}  // namespace
}  // namespace quellor
