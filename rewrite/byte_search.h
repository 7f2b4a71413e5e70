#pragma once
// Fast byte and keyword search over raw memory, the inner loops of the link-case
// passes. Ranges are [begin, end); a miss returns end.

#include <string_view>

namespace quellor {

// First occurrence of byte in [begin, end), or end.
const char* FindByte(const char* begin, const char* end, char byte);

// First position p in [begin, end) where keyword starts and lies wholly inside
// [begin, end), or end. An empty keyword matches nothing.
const char* FindKeyword(const char* begin, const char* end, std::string_view keyword);

}  // namespace quellor
