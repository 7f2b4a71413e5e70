#include "files/whole_file.h"

namespace quellor {

std::string ReadWholeFile(const std::string& path) {
  std::optional<std::string> text = TryReadWholeFile(path);
  return text ? std::move(*text) : std::string();
}

void WriteWholeFile(const std::string& path, std::string_view text) {
  (void)TryWriteWholeFile(path, text);
}

const char* DescribeWriteResult(WriteResult result) {
  switch (result) {
    case WriteResult::kWritten:
      return "written";
    case WriteResult::kProtected:
      return "read-only, hidden or system file";
    case WriteResult::kLocked:
      return "in use by another program";
    case WriteResult::kFailed:
      break;
  }
  return "write failed";
}

}  // namespace quellor
