#pragma once
// Whole-stream access to standard input and output, raw bytes on every platform.

#include <optional>
#include <string>
#include <string_view>

namespace quellor {

// Everything standard input holds, or nullopt on a read error.
std::optional<std::string> ReadStandardInput();

// Writes text to standard output as it is; false when it could not all be written.
bool WriteStandardOutput(std::string_view text);

bool StandardErrorIsTerminal();

}  // namespace quellor
