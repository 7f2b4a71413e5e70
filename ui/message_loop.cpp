#include "ui/message_loop.h"

#include <windows.h>

namespace quellor::ui {

int RunMessageLoop() {
  MSG message{};
  // No IsDialogMessage: the window has no keyboard navigation between controls.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quellor::ui
