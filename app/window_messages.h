#pragma once

#include <windows.h>

namespace quellor {

// Posted by a conversion thread when it is done: start the next one.
constexpr UINT WM_CONVERT_NEXT = WM_USER + 123;

}  // namespace quellor
