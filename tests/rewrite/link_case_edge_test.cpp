#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rewrite/link_case.h"
#include "tests/rewrite/test_text.h"

namespace quellor {
namespace {

using test::operator""_b;

using PassFunction = std::string (*)(std::string);
const PassFunction kAllPasses[] = {LowerHrefValues, LowerSrcValues, LowerAddItemArgs};

struct Case {
  std::string input;
  std::string expected;
};

void ExpectAll(PassFunction pass, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(pass(c.input), c.expected) << "input: " << ::testing::PrintToString(c.input);
  }
}

TEST(LinkCase, EmptyAndMatchlessTextsComeOutUnchanged) {
  std::string allBytes;
  for (int byte = 1; byte < 256; ++byte) allBytes.push_back(static_cast<char>(byte));
  const std::string texts[] = {"", "plain TEXT, no links", allBytes, "\0href=\"X\""_b};
  for (PassFunction pass : kAllPasses) {
    for (const std::string& text : texts) EXPECT_EQ(pass(text), text);
  }
}

TEST(LinkCase, KeywordsMatchExactlyAndCaseSensitively) {
  ExpectAll(LowerHrefValues,
            {
                {R"(HREF="A" Href="B" href ="C")", R"(HREF="A" Href="B" href ="C")"},
                {R"(<a data-href="Y">)", R"(<a data-href="y">)"},
                {R"(href="" href='')", R"(href="" href='')"},
            });
  ExpectAll(LowerSrcValues,
            {
                {R"(SRC="A" srcset="B" src ="C")", R"(SRC="A" srcset="B" src ="C")"},
                {R"(lowsrc="A" xsrc='B')", R"(lowsrc="a" xsrc='b')"},
            });
  ExpectAll(LowerAddItemArgs,
            {
                {R"(AddItem(A,B,C) additem(A,B,C))", R"(AddItem(A,B,C) additem(A,B,C))"},
                {R"(menu.addItem(A,B,C))", R"(menu.addItem(A,b,C))"},
            });
}

TEST(LinkCase, OnlyAsciiCapitalsInsideValuesChange) {
  std::string value;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '"') value.push_back(static_cast<char>(byte));
  }
  std::string lowered = value;
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  EXPECT_EQ(LowerHrefValues("X href=\"" + value + "\" Y"), "X href=\"" + lowered + "\" Y");
}

TEST(LinkCase, AKeywordInsideAValueBelongsToTheValue) {
  ExpectAll(LowerHrefValues, {{R"(href="A?href='B'" href="C")", R"(href="a?href='b'" href="c")"}});
  ExpectAll(LowerAddItemArgs,
            {{R"(addItem(A,X.addItem(B,C),D,E))", R"(addItem(A,x.additem(b,C),D,E))"}});
}

TEST(LinkCase, AMissingClosingQuoteOrCommaIsAddedAtTheEnd) {
  ExpectAll(LowerHrefValues, {{R"(href=")", R"(href="")"}, {R"(x href='A)", R"(x href='a')"}});
  ExpectAll(LowerSrcValues, {{R"(src=')", R"(src='')"}});
  ExpectAll(LowerAddItemArgs, {{"addItem(", "addItem(,,"}, {"addItem(A,B", "addItem(A,b,"}});
}

TEST(LinkCase, ANulEndsTheSearchButNotACutInProgress) {
  ExpectAll(LowerSrcValues, {
                                {"src=\"A\"\0src=\"B\""_b, "src=\"a\"\0src=\"B\""_b},
                                {"src='A\0'B'"_b, "src='a\0'b''"_b},
                            });
  ExpectAll(LowerAddItemArgs,
            {
                {"addItem(A,B\0,C)"_b, "addItem(A,b\0,c),"_b},
                {"addItem(A,B,C)\0addItem(D,E,F)"_b, "addItem(A,b,C)\0addItem(D,E,F)"_b},
            });
}

// A keyword followed by anything but a quote is passed over and the value left
// alone: lowering an unquoted value would also hit script code.
TEST(LinkCase, AnUnquotedValueIsLeftAsItStands) {
  ExpectAll(LowerHrefValues, {
                                 {"<a href=Page.HTM>", "<a href=Page.HTM>"},
                                 {R"(<a href= "X.HTM">)", R"(<a href= "X.HTM">)"},
                                 {"A href=", "A href="},
                                 {"href=\0\"X\""_b, "href=\0\"X\""_b},
                                 {R"(href=X href="Y")", R"(href=X href="y")"},
                             });
  ExpectAll(LowerSrcValues, {
                                {"img.src=Pics[i];", "img.src=Pics[i];"},
                                {"src=", "src="},
                                {R"(src=src="A")", R"(src=src="a")"},
                            });
}

TEST(LinkCase, ApplyPassesRunsTheSelectedPassesInTheirFixedOrder) {
  const PassSelection hrefAndSrc{true, true, false};
  // The src= inside the value is unquoted: left alone by the second pass.
  EXPECT_EQ(ApplyPasses(R"(<a href="View.php?src=A.JPG">)", hrefAndSrc),
            R"(<a href="view.php?src=a.jpg">)");
  // The first pass makes a src=' out of SRC=' that the second then takes as a
  // value running to the next apostrophe.
  EXPECT_EQ(ApplyPasses(R"(<a href="A?SRC='B">C</a> <i title='D'>)", hrefAndSrc),
            R"(<a href="a?src='b">c</a> <i title='D'>)");

  // With src before href this would lower the Y too: the href match exists
  // only once src has lowered HREF=.
  EXPECT_EQ(ApplyPasses(R"(src="HREF='X" Y')", {}), R"(src="href='x" Y')");

  const std::string mixed = R"(<a href="A.HTM"><img src="B.GIF">addItem("C","D.HTM","E");)";
  for (int mask = 0; mask < 8; ++mask) {
    const PassSelection selection{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
    std::string expected = mixed;
    if (selection.href) expected = LowerHrefValues(expected);
    if (selection.src) expected = LowerSrcValues(expected);
    if (selection.addItem) expected = LowerAddItemArgs(expected);
    EXPECT_EQ(ApplyPasses(mixed, selection), expected) << "mask " << mask;
  }
  EXPECT_EQ(ApplyPasses(mixed, {false, false, false}), mixed);
}

// Many matches in one text, values of every length across block boundaries.
TEST(LinkCase, ManyMatchesAreAllRewritten) {
  std::string input;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string value(static_cast<std::size_t>(i % 41), static_cast<char>('A' + i % 26));
    const std::string lowered(value.size(), static_cast<char>('a' + i % 26));
    input += "<A HREF=x href=\"" + value + "\">T</A>\r\n";
    expected += "<A HREF=x href=\"" + lowered + "\">T</A>\r\n";
  }
  EXPECT_EQ(LowerHrefValues(input), expected);
}

}  // namespace
}  // namespace quellor
