#pragma once
// Whether two paths name the same file, the way the file system resolves them
// (relative parts, case, short names).

#include <string>

namespace quellor {

bool IsSameFile(const std::string& first, const std::string& second);

}  // namespace quellor
