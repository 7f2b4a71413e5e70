#pragma once
// Byte-string literals for the rewrite tests: "a\0b"_b keeps its NUL bytes.

#include <cstddef>
#include <string>

namespace quellor::test {

inline std::string operator""_b(const char* bytes, std::size_t size) {
  return std::string(bytes, size);
}

}  // namespace quellor::test
