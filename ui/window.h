#pragma once
// The top-level window: caption, screen position, client size, resizable frame,
// icon and an empty menu bar. Its procedure offers every message to a hook first,
// hands control notifications to the control objects, and runs requests that
// other threads make of it on its own thread.

#include <windows.h>

#include <functional>
#include <mutex>
#include <set>
#include <string_view>
#include <unordered_map>

namespace quellor::ui {

class Control;

class Window {
 public:
  // Returns true when it has handled the message completely.
  using MessageHook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;
  using MessageHandler = std::function<LRESULT(WPARAM wParam, LPARAM lParam)>;

  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window();

  // Creates the window invisible, its top-left corner at left, top on the screen
  // and its outer size chosen so that the client area is clientWidth x clientHeight.
  bool Create(std::string_view caption, int left, int top, int clientWidth, int clientHeight,
              HICON icon, HICON smallIcon);
  HWND hwnd() const { return hwnd_; }

  // Destroying the main window ends the message loop.
  void MakeMainWindow() { isMainWindow_ = true; }
  // A menu bar without items; the outer size stays as it is.
  void AttachEmptyMenuBar();
  void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }
  // A handler for one of the program's private messages (WM_USER and up).
  void SetMessageHandler(UINT message, MessageHandler handler);
  // The control that gets the focus at the window's first activation.
  void SetFirstFocus(HWND control) { lastFocus_ = control; }
  void ShowNormal();

  void RegisterControl(HWND control, Control* object);

  // Runs action on the window's thread while the caller waits; on that thread it
  // just calls it. False when it did not run: the window is gone.
  bool RunOnWindowThread(const std::function<void()>& action);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnControlColor(UINT message, WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam);
  LRESULT OnRunRequest(LPARAM lParam);

  HWND hwnd_ = nullptr;
  DWORD threadId_ = 0;
  bool isMainWindow_ = false;
  HWND lastFocus_ = nullptr;
  MessageHook hook_;
  std::unordered_map<UINT, MessageHandler> handlers_;
  std::unordered_map<HWND, Control*> controls_;
  // Requests of waiting threads; a pointer in a message is only followed when it
  // is listed here, so a message forged by another process cannot reach memory.
  std::mutex requestsMutex_;
  std::set<const std::function<void()>*> requests_;
};

}  // namespace quellor::ui
