#include "rewrite/text_primitives.h"

#include <gtest/gtest.h>

#include <string>

#include "rewrite/ascii_lower.h"
#include "tests/rewrite/test_text.h"

namespace quellor {
namespace {

using test::operator""_b;

TEST(FindInText, FindsTheLeftmostMatchBeforeTheFirstNul) {
  struct Case {
    std::string text;
    std::size_t expected;
  };
  const Case cases[] = {
      {"", kNoMatch},          {"href", kNoMatch},  {"href=", 0},     {"a href= href=", 2},
      {"hrefhref=", 4},        {"HREF=", kNoMatch}, {"href=\0"_b, 0}, {"hre\0f=href="_b, kNoMatch},
      {"\0href="_b, kNoMatch},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindInText(c.text, "href="), c.expected) << ::testing::PrintToString(c.text);
  }
  EXPECT_EQ(FindInText("abc", ""), kNoMatch);
}

TEST(CutAtChar, TakesThePieceBeforeTheDelimiterAndDropsIt) {
  struct Case {
    std::string text;
    std::string piece;
    std::string rest;
  };
  const Case cases[] = {
      {"", "", ""},       {"a,b,c", "a", "b,c"},      {",b", "", "b"},           {"a,", "a", ""},
      {"abc", "abc", ""}, {"a\0,b"_b, "a\0,b"_b, ""}, {"a,\0b"_b, "a", "\0b"_b},
  };
  for (const Case& c : cases) {
    std::string_view text = c.text;
    const std::string_view piece = CutAtChar(text, ',');
    EXPECT_EQ(piece, c.piece) << ::testing::PrintToString(c.text);
    EXPECT_EQ(text, c.rest) << ::testing::PrintToString(c.text);
    // Both stay views into the original bytes.
    if (!piece.empty()) {
      EXPECT_EQ(piece.data(), c.text.data());
    }
    if (!text.empty()) {
      EXPECT_EQ(text.data() + text.size(), c.text.data() + c.text.size());
    }
  }
}

TEST(AsciiLowerCase, ChangesOnlyTheTwentySixCapitals) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::string lowered = AsciiLowerCase(all);
  ASSERT_EQ(lowered.size(), 256u);
  for (int byte = 0; byte < 256; ++byte) {
    const int expected = (byte >= 'A' && byte <= 'Z') ? byte + 0x20 : byte;
    EXPECT_EQ(static_cast<unsigned char>(lowered[static_cast<std::size_t>(byte)]), expected)
        << "byte " << byte;
  }
  EXPECT_EQ(AsciiLowerCase(""), "");
}

// The in-place form works in blocks: every start and length around them must
// change exactly the bytes of its range.
TEST(AsciiLowerCase, InPlaceKeepsToItsRange) {
  const std::string source = "@AZ[\xC0\xDF`az{" + std::string(60, 'Q') + "\xFF\x80" + "Mixed Case";
  for (std::size_t from = 0; from < 20; ++from) {
    for (std::size_t to = from; to <= source.size(); ++to) {
      std::string text = source;
      AsciiLowerCaseInPlace(text.data() + from, text.data() + to);
      const std::string expected = source.substr(0, from) +
                                   AsciiLowerCase(source.substr(from, to - from)) +
                                   source.substr(to);
      ASSERT_EQ(text, expected) << from << ".." << to;
    }
  }
}

// The passes lower short values as one block that may reach past the value,
// up to the end of the text: the bytes there must come back as they were.
TEST(AsciiLowerCase, ShortRangesInsideABufferKeepTheBytesAround) {
  const std::string source = std::string(40, 'X') + "\xC0\xDFQ";
  for (std::size_t from = 0; from <= source.size(); ++from) {
    for (std::size_t to = from; to <= source.size(); ++to) {
      std::string text = source;
      char* base = text.data();
      LowerAsciiRangeWithin(base + from, base + to, base + text.size());
      const std::string expected = source.substr(0, from) +
                                   AsciiLowerCase(source.substr(from, to - from)) +
                                   source.substr(to);
      ASSERT_EQ(text, expected) << from << ".." << to;
    }
  }
}

}  // namespace
}  // namespace quellor
