#pragma once
// Polling for a condition in another process: the program under test answers in
// its own time, so every observation waits for its condition with a deadline.

#include <windows.h>

#include <functional>

namespace quellor::gui {

// A generous deadline: Wine on a loaded machine can be slow, and a passing test
// never waits for it.
inline constexpr DWORD kPatience = 20000;

// Checks condition every few milliseconds until it holds (true) or timeout_ms
// have passed (false). The condition is always checked once more at the end.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeout_ms = kPatience);

// Returns once the window's thread is back in its message loop and has answered
// a message sent to it (or after the deadline, when it is frozen).
void Settle(HWND window);

}  // namespace quellor::gui
