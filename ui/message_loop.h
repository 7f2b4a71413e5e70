#pragma once
// The message loop: dispatches every message of the thread until WM_QUIT.

namespace quellor::ui {

// Returns the quit message's exit code.
int RunMessageLoop();

}  // namespace quellor::ui
