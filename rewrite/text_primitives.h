#pragma once
// Byte-string primitives of the link-case passes. A text may hold NUL bytes;
// every search looks only at its searchable part, the bytes before the first NUL.

#include <cstddef>
#include <string>
#include <string_view>

namespace quellor {

inline constexpr std::size_t kNoMatch = std::string_view::npos;

// Leftmost occurrence of keyword lying wholly before the first NUL of text, or kNoMatch.
std::size_t FindInText(std::string_view text, std::string_view keyword);

// Takes the bytes before the first delimiter in the searchable part off the front
// of text and drops the delimiter; without one, takes the whole text.
std::string_view CutAtChar(std::string_view& text, char delimiter);

// Copy of text with only the ASCII capitals A-Z lowered; every other byte kept.
std::string AsciiLowerCase(std::string_view text);

// The same, in place over [begin, end).
void AsciiLowerCaseInPlace(char* begin, char* end);

}  // namespace quellor
