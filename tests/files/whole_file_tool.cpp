// Drives the whole-file routines from shell tests that set up faults around a
// single process (a full disk, injected errors, another user). It reports through
// its exit code only, so that an injected write error cannot hide the answer:
//   whole_file_tool write TARGET SOURCE   0 written, 1 protected, 2 locked, 3 failed,
//                                         4 SOURCE unreadable
//   whole_file_tool read PATH             0 read, 5 unreadable
#include <cstring>

#include "files/whole_file.h"

int main(int argc, char** argv) {
  using quellor::WriteResult;
  if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
    const std::optional<std::string> text = quellor::TryReadWholeFile(argv[3]);
    if (!text) return 4;
    switch (quellor::TryWriteWholeFile(argv[2], *text)) {
      case WriteResult::kWritten:
        return 0;
      case WriteResult::kProtected:
        return 1;
      case WriteResult::kLocked:
        return 2;
      case WriteResult::kFailed:
        return 3;
    }
  }
  if (argc == 3 && std::strcmp(argv[1], "read") == 0) {
    return quellor::TryReadWholeFile(argv[2]) ? 0 : 5;
  }
  return 9;
}
