#include "tests/gui/driver/wait.h"

namespace quellor::gui {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (GetTickCount64() < deadline) {
    if (condition()) return true;
    Sleep(5);
  }
  return condition();
}

void Settle(HWND window) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
}

}  // namespace quellor::gui
