#pragma once
// Whole-file access. A file is read and written as one byte string, never decoded.
//
// Writing never loses a file: the new text goes to a temporary file in the same
// folder and replaces the target only once it is completely on disk. A read-only,
// hidden or system target, or one another program holds open, is left unchanged.

#include <optional>
#include <string>
#include <string_view>

namespace quellor {

// The file's bytes, or nullopt when it could not be opened or read completely.
std::optional<std::string> TryReadWholeFile(const std::string& path);

// The file's bytes; empty when it cannot be read (missing, locked, no access).
std::string ReadWholeFile(const std::string& path);

enum class WriteResult {
  kWritten,    // the file now holds exactly the text
  kProtected,  // read-only, hidden or system: left unchanged
  kLocked,     // another program holds it open: left unchanged
  kFailed,     // anything else (missing folder, full disk, ...): left unchanged
};

WriteResult TryWriteWholeFile(const std::string& path, std::string_view text);

// Silent form: the caller does not learn whether the write took place.
void WriteWholeFile(const std::string& path, std::string_view text);

// A short English description for command-line messages.
const char* DescribeWriteResult(WriteResult result);

// Ends the process's writing: writes already under way on other threads are
// finished first, every later one changes nothing and gives kFailed. Call it as
// the program ends, so that closing the window in the middle of a batch leaves
// each file whole and no temporary file behind. Waits at most for those writes.
void StopWritingFiles();

}  // namespace quellor
