#include "rewrite/text_primitives.h"

#include "rewrite/ascii_lower.h"
#include "rewrite/byte_search.h"

namespace quellor {

namespace {

const char* SearchableEnd(std::string_view text) {
  return FindByte(text.data(), text.data() + text.size(), '\0');
}

}  // namespace

std::size_t FindInText(std::string_view text, std::string_view keyword) {
  const char* begin = text.data();
  const char* limit = SearchableEnd(text);
  const char* hit = FindKeyword(begin, limit, keyword);
  return hit == limit ? kNoMatch : static_cast<std::size_t>(hit - begin);
}

std::string_view CutAtChar(std::string_view& text, char delimiter) {
  const char* begin = text.data();
  const char* limit = SearchableEnd(text);
  const char* hit = FindByte(begin, limit, delimiter);
  if (hit == limit) {
    const std::string_view piece = text;
    text.remove_prefix(text.size());
    return piece;
  }
  const auto length = static_cast<std::size_t>(hit - begin);
  const std::string_view piece = text.substr(0, length);
  text.remove_prefix(length + 1);
  return piece;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string copy(text);
  AsciiLowerCaseInPlace(copy.data(), copy.data() + copy.size());
  return copy;
}

void AsciiLowerCaseInPlace(char* begin, char* end) { LowerAsciiRange(begin, end); }

}  // namespace quellor
