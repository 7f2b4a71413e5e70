#pragma once
// Shared by the read backends: a file of known size read into a new text. A file
// too large to hold in memory counts as unreadable instead of ending the program.

#include <cstddef>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace quellor {

// readInto(buffer, size) fills the buffer completely or returns false.
template <typename ReadInto>
std::optional<std::string> ReadIntoNewText(std::size_t size, ReadInto readInto) {
  try {
    std::string text(size, '\0');
    if (!readInto(text.data(), text.size())) return std::nullopt;
    return text;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

}  // namespace quellor
