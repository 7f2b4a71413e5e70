#pragma once
// The lowering loops behind AsciiLowerCase and the passes.

namespace quellor {

// Lowers the ASCII capitals of [begin, end) in place.
void LowerAsciiRange(char* begin, char* end);

// The same, for a range inside a buffer that goes on to bufferEnd: a short range
// is then done as one block that may read and store back, unchanged, bytes up
// to bufferEnd. Values in web pages are mostly shorter than a block.
void LowerAsciiRangeWithin(char* begin, char* end, const char* bufferEnd);

}  // namespace quellor
