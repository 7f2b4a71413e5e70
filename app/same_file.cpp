#include "app/same_file.h"

#include <windows.h>

#include <array>

namespace quellor {
namespace {

std::string Canonical(const std::string& path) {
  std::array<char, 4 * MAX_PATH> full{};
  DWORD length = GetFullPathNameA(path.c_str(), full.size(), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  std::array<char, 4 * MAX_PATH> longName{};
  const DWORD longLength = GetLongPathNameA(full.data(), longName.data(), longName.size());
  if (longLength != 0 && longLength < longName.size()) return std::string(longName.data());
  return std::string(full.data(), length);
}

}  // namespace

bool IsSameFile(const std::string& first, const std::string& second) {
  const std::string a = Canonical(first);
  const std::string b = Canonical(second);
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace quellor
