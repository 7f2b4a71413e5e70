#include "rewrite/byte_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace quellor {
namespace {

// The block loops against std::string_view on every sub-range of random texts
// over a tiny alphabet, so that matches fall at every offset and near both ends.
TEST(ByteSearch, AgreesWithAPlainSearchOnEverySubRange) {
  std::mt19937 random(12345);
  const std::string alphabet = "hrefs=c\"";
  const std::string_view keywords[] = {"href=", "src=", "h", "=\"", "addItem(", "ef=\"sr"};
  for (int round = 0; round < 40; ++round) {
    std::string text(70, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const char* base = text.data();
    for (std::size_t from = 0; from <= text.size(); from += 3) {
      for (std::size_t to = from; to <= text.size(); ++to) {
        const std::string_view range(base + from, to - from);
        for (std::string_view keyword : keywords) {
          const std::size_t expected = range.find(keyword);
          const char* hit = FindKeyword(base + from, base + to, keyword);
          ASSERT_EQ(hit == base + to ? std::string_view::npos
                                     : static_cast<std::size_t>(hit - base - from),
                    expected)
              << range << " / " << keyword;
        }
        const std::size_t expectedByte = range.find('"');
        const char* byteHit = FindByte(base + from, base + to, '"');
        ASSERT_EQ(byteHit == base + to ? std::string_view::npos
                                       : static_cast<std::size_t>(byteHit - base - from),
                  expectedByte);
      }
    }
  }
}

TEST(ByteSearch, EmptyKeywordAndEmptyRangeMatchNothing) {
  const std::string text = "abc";
  EXPECT_EQ(FindKeyword(text.data(), text.data() + 3, ""), text.data() + 3);
  EXPECT_EQ(FindKeyword(text.data(), text.data(), "a"), text.data());
  EXPECT_EQ(FindByte(text.data(), text.data(), 'a'), text.data());
  EXPECT_EQ(FindByte(nullptr, nullptr, 'a'), nullptr);
}

}  // namespace
}  // namespace quellor
