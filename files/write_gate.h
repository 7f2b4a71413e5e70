#pragma once
// Lets writes run side by side until the process stops writing, then waits for
// the ones under way: a write cut off by the end of the process would leave its
// temporary file behind.

#include <string>
#include <string_view>

#include "files/whole_file.h"

namespace quellor {

// The system-specific write, without the gate: files/whole_file_<system>.cpp.
WriteResult WriteWholeFileThroughTemporary(const std::string& path, std::string_view text);

// Opens the gate again after StopWritingFiles; for tests, which go on writing.
void ResumeWritingFiles();

}  // namespace quellor
