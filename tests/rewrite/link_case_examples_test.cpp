// The reference table of inputs and outputs that fixes the passes byte for byte.
// Cyrillic letters are Windows-1251 byte escapes so the file's own encoding
// does not matter.

#include <gtest/gtest.h>

#include <string>

#include "rewrite/link_case.h"
#include "tests/rewrite/test_text.h"

namespace quellor {
namespace {

using test::operator""_b;

enum class Pass { Href, Src, AddItem };

std::string RunPass(Pass pass, std::string text) {
  switch (pass) {
    case Pass::Href:
      return LowerHrefValues(std::move(text));
    case Pass::Src:
      return LowerSrcValues(std::move(text));
    case Pass::AddItem:
      return LowerAddItemArgs(std::move(text));
  }
  return text;
}

struct Example {
  Pass pass;
  std::string input;
  std::string expected;
};

const Example kExamples[] = {
    {Pass::Href, R"(<a href="Index.HTM">Home</a>)", R"(<a href="index.htm">Home</a>)"},
    {Pass::Href, R"(<a href='Docs/Read Me.TXT'>)", R"(<a href='docs/read me.txt'>)"},
    {Pass::Href, R"(<a href="A.HTM">A</a><a href="B.HTM">B</a>)",
     R"(<a href="a.htm">A</a><a href="b.htm">B</a>)"},
    {Pass::Href, R"(HREF="X.HTM" Href="Y.HTM")", R"(HREF="X.HTM" Href="Y.HTM")"},
    {Pass::Href, R"(<a data-href="Y.HTM">)", R"(<a data-href="y.htm">)"},
    {Pass::Href, R"(href="It's.HTM")", R"(href="it's.htm")"},
    {Pass::Href, R"(href='A "B" C')", R"(href='a "b" c')"},
    {Pass::Href, R"(href="Go.php?HREF=X")", R"(href="go.php?href=x")"},
    {Pass::Href, "href=\"\xCF\xD0\xC8\xC2\xC5\xD2.HTM\"", "href=\"\xCF\xD0\xC8\xC2\xC5\xD2.htm\""},
    {Pass::Href, "<a href=\"Dir/\r\nPage.HTM\">", "<a href=\"dir/\r\npage.htm\">"},
    {Pass::Href, R"(<a href="A.HTM>Go</a> <img src="B.GIF">)",
     R"(<a href="a.htm>go</a> <img src="B.GIF">)"},
    {Pass::Href, R"(<a href="Page.HTM>Go</a>)", R"(<a href="page.htm>go</a>")"},
    {Pass::Href, "A\0href=\"B\""_b, "A\0href=\"B\""_b},
    {Pass::Href, "href=\"A\" \0 href=\"B\""_b, "href=\"a\" \0 href=\"B\""_b},
    {Pass::Href, "href=\"A\0B\" x=\"C\""_b, "href=\"a\0b\" x=\"c\"\""_b},
    {Pass::Src, R"(<img src="Images/Logo.GIF" alt="Logo">)",
     R"(<img src="images/logo.gif" alt="Logo">)"},
    {Pass::Src, R"(<script src='Menu.JS'></script>)", R"(<script src='menu.js'></script>)"},
    {Pass::Src, R"(<img lowsrc="X.GIF">)", R"(<img lowsrc="x.gif">)"},
    {Pass::Src, R"(<img srcset="A.JPG">)", R"(<img srcset="A.JPG">)"},
    {Pass::AddItem, R"(addItem("Home","Index.HTM","Main");)",
     R"(addItem("Home","index.htm","Main");)"},
    {Pass::AddItem, R"(menu.addItem("About Us", "Pages/About.HTM", "");)",
     R"(menu.addItem("About Us", "pages/about.htm", "");)"},
    {Pass::AddItem, "addItem(\"\xC3\xEB\xE0\xE2\xED\xE0\xFF\",\"Index.HTM\",\"\")",
     "addItem(\"\xC3\xEB\xE0\xE2\xED\xE0\xFF\",\"index.htm\",\"\")"},
    {Pass::AddItem, R"(AddItem("A","B.HTM","C");)", R"(AddItem("A","B.HTM","C");)"},
    {Pass::AddItem, "addItem(\"A\",\r\n\"B.HTM\",\r\n\"C\")",
     "addItem(\"A\",\r\n\"b.htm\",\r\n\"C\")"},
    {Pass::AddItem, "addItem(\"A\",\"B.HTM\");\r\naddItem(\"C\",\"D.HTM\");\r\n",
     "addItem(\"A\",\"b.htm\");\r\nadditem(\"c\",\"D.HTM\");\r\n"},
    {Pass::AddItem, R"(addItem("A","B.HTM"))", R"(addItem("A","b.htm"),)"},
    {Pass::AddItem, "addItem(x)", "addItem(x),,"},
    {Pass::AddItem, "addItem(\"A\0\",\"B.HTM\",\"C\")"_b, "addItem(\"A\0\",\"B.HTM\",\"C\"),,"_b},
};

TEST(LinkCaseExamples, EachPassGivesTheReferenceOutput) {
  for (const Example& example : kExamples) {
    EXPECT_EQ(RunPass(example.pass, example.input), example.expected)
        << "input: " << ::testing::PrintToString(example.input);
  }
}

// Re-running a pass over its own output must change nothing when the text has no
// NUL, whatever else it holds (missing quotes and commas included).
TEST(LinkCaseExamples, RunningAPassAgainChangesNothing) {
  for (const Example& example : kExamples) {
    if (example.input.find('\0') != std::string::npos) continue;
    EXPECT_EQ(RunPass(example.pass, example.expected), example.expected)
        << "input: " << ::testing::PrintToString(example.input);
  }
}

}  // namespace
}  // namespace quellor
