#include "rewrite/text_primitives.h"

#include <cstdint>

#include "rewrite/byte_search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quellor {

namespace {

const char* SearchableEnd(std::string_view text) {
  return FindByte(text.data(), text.data() + text.size(), '\0');
}

inline char LowerByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(byte - 'A') < 26 ? static_cast<char>(byte + 0x20) : c;
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

void AsciiLowerCaseInPlace(char* begin, char* end) {
  char* p = begin;
#if defined(__SSE2__)
  // Shift 'A'..'Z' onto the bottom of the signed byte range so that one signed
  // compare picks out exactly the capitals; 0x80-0xFF never qualify.
  const __m128i shift = _mm_set1_epi8(static_cast<char>(0x80 - 'A'));
  const __m128i bound = _mm_set1_epi8(static_cast<char>(-128 + 26));
  const __m128i caseBit = _mm_set1_epi8(0x20);
  for (; end - p >= 16; p += 16) {
    auto* block = reinterpret_cast<__m128i*>(p);
    const __m128i bytes = _mm_loadu_si128(block);
    const __m128i capitals = _mm_cmplt_epi8(_mm_add_epi8(bytes, shift), bound);
    _mm_storeu_si128(block, _mm_add_epi8(bytes, _mm_and_si128(capitals, caseBit)));
  }
#endif
  for (; p != end; ++p) *p = LowerByte(*p);
}

}  // namespace quellor
