#include "rewrite/byte_search.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quellor {

namespace {

#if defined(__SSE2__)
inline unsigned LowestBit(unsigned mask) { return static_cast<unsigned>(__builtin_ctz(mask)); }

inline __m128i Load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
#endif

}  // namespace

const char* FindByte(const char* begin, const char* end, char byte) {
#if defined(_WIN32) && defined(__SSE2__)
  // The Windows C runtime's memchr goes byte by byte; a whole file's first NUL
  // is searched for once per pass, so this one loop matters there.
  const __m128i wanted = _mm_set1_epi8(byte);
  const char* p = begin;
  for (; end - p >= 16; p += 16) {
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p), wanted)));
    if (mask != 0) return p + LowestBit(mask);
  }
  for (; p != end; ++p) {
    if (*p == byte) return p;
  }
  return end;
#else
  if (begin == end) return end;
  const void* hit =
      std::memchr(begin, static_cast<unsigned char>(byte), static_cast<std::size_t>(end - begin));
  return hit != nullptr ? static_cast<const char*>(hit) : end;
#endif
}

const char* FindKeyword(const char* begin, const char* end, std::string_view keyword) {
  const std::size_t length = keyword.size();
  if (length == 0 || static_cast<std::size_t>(end - begin) < length) return end;
  // Every start position that leaves room for the whole keyword.
  const char* const lastStart = end - length;
  const char first = keyword.front();
  const char last = keyword.back();
  const auto matchesAt = [&](const char* candidate) {
    for (std::size_t i = 1; i + 1 < length; ++i) {
      if (candidate[i] != keyword[i]) return false;
    }
    return true;
  };
  const char* p = begin;
#if defined(__SSE2__)
  // Candidates are positions whose first and last keyword bytes both match; in
  // web text that pair is rare, so the full compare seldom runs. Two blocks a
  // round keep the loop's one branch mostly untaken.
  const __m128i firstBytes = _mm_set1_epi8(first);
  const __m128i lastBytes = _mm_set1_epi8(last);
  const auto candidates = [&](const char* at) {
    const __m128i atFirst = _mm_cmpeq_epi8(Load(at), firstBytes);
    const __m128i atLast = _mm_cmpeq_epi8(Load(at + length - 1), lastBytes);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(atFirst, atLast)));
  };
  for (; lastStart - p >= 31; p += 32) {
    const unsigned low = candidates(p);
    const unsigned high = candidates(p + 16);
    std::uint32_t mask = low | (high << 16);
    while (mask != 0) {
      const char* candidate = p + LowestBit(mask);
      if (matchesAt(candidate)) return candidate;
      mask &= mask - 1;
    }
  }
  for (; lastStart - p >= 15; p += 16) {
    unsigned mask = candidates(p);
    while (mask != 0) {
      const char* candidate = p + LowestBit(mask);
      if (matchesAt(candidate)) return candidate;
      mask &= mask - 1;
    }
  }
#endif
  while (p <= lastStart) {
    p = FindByte(p, lastStart + 1, first);
    if (p > lastStart) break;
    if (p[length - 1] == last && matchesAt(p)) return p;
    ++p;
  }
  return end;
}

}  // namespace quellor
