#include "rewrite/ascii_lower.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quellor {

namespace {

inline char LowerByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(byte - 'A') < 26 ? static_cast<char>(byte + 0x20) : c;
}

#if defined(__SSE2__)
constexpr int kBlock = 16;

// The case bit for each capital of a block. 'A'..'Z' are shifted onto the bottom
// of the signed byte range so one signed compare picks out exactly them; bytes
// 0x80-0xFF never qualify.
inline __m128i CaseBits(__m128i bytes) {
  const __m128i shifted = _mm_add_epi8(bytes, _mm_set1_epi8(static_cast<char>(0x80 - 'A')));
  const __m128i capitals = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + 26)));
  return _mm_and_si128(capitals, _mm_set1_epi8(0x20));
}

inline void LowerBlock(char* at) {
  auto* block = reinterpret_cast<__m128i*>(at);
  const __m128i bytes = _mm_loadu_si128(block);
  _mm_storeu_si128(block, _mm_add_epi8(bytes, CaseBits(bytes)));
}
#endif

}  // namespace

void LowerAsciiRange(char* begin, char* end) {
#if defined(__SSE2__)
  if (end - begin >= kBlock) {
    char* p = begin;
    for (; end - p > kBlock; p += kBlock) LowerBlock(p);
    // The last block may overlap the one before: lowering twice changes nothing.
    LowerBlock(end - kBlock);
    return;
  }
#endif
  for (char* p = begin; p != end; ++p) *p = LowerByte(*p);
}

void LowerAsciiRangeWithin(char* begin, char* end, const char* bufferEnd) {
#if defined(__SSE2__)
  const auto length = end - begin;
  if (length < kBlock && bufferEnd - begin >= kBlock) {
    const __m128i lanes = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i inRange = _mm_cmplt_epi8(lanes, _mm_set1_epi8(static_cast<char>(length)));
    auto* block = reinterpret_cast<__m128i*>(begin);
    const __m128i bytes = _mm_loadu_si128(block);
    _mm_storeu_si128(block, _mm_add_epi8(bytes, _mm_and_si128(CaseBits(bytes), inRange)));
    return;
  }
#else
  static_cast<void>(bufferEnd);
#endif
  LowerAsciiRange(begin, end);
}

}  // namespace quellor
