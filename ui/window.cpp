#include "ui/window.h"

#include <string>

#include "ui/control.h"

namespace quellor::ui {
namespace {

constexpr char kWindowClass[] = "QuellorMainWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExStyle = 0;
// Carries a waiting thread's request to the window's thread.
constexpr UINT kRunRequestMessage = WM_APP + 1;

bool RegisterWindowClass(HICON icon, HICON smallIcon, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the system's way to name a colour brush
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Window::~Window() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::Create(std::string_view caption, int left, int top, int clientWidth, int clientHeight,
                    HICON icon, HICON smallIcon) {
  if (!RegisterWindowClass(icon, smallIcon, &Window::Procedure)) return false;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  threadId_ = GetCurrentThreadId();
  const std::string text(caption);
  return CreateWindowExA(kExStyle, kWindowClass, text.c_str(), kStyle, left, top,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         GetModuleHandleA(nullptr), this) != nullptr;
}

void Window::AttachEmptyMenuBar() {
  HMENU bar = CreateMenu();
  if (bar != nullptr && !SetMenu(hwnd_, bar)) DestroyMenu(bar);
}

void Window::SetMessageHandler(UINT message, MessageHandler handler) {
  handlers_[message] = std::move(handler);
}

void Window::ShowNormal() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Window::RegisterControl(HWND control, Control* object) { controls_[control] = object; }

bool Window::RunOnWindowThread(const std::function<void()>& action) {
  if (GetCurrentThreadId() == threadId_) {
    action();
    return true;
  }
  {
    std::lock_guard<std::mutex> lock(requestsMutex_);
    requests_.insert(&action);
  }
  SendMessageA(hwnd_, kRunRequestMessage, 0, reinterpret_cast<LPARAM>(&action));
  std::lock_guard<std::mutex> lock(requestsMutex_);
  // Still listed: the window never took it up.
  return requests_.erase(&action) == 0;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);  // NOLINT(performance-no-int-to-ptr)
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // A failed command must not take the window down with it.
    return 0;
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (hook_ && hook_(message, wParam, lParam)) return 0;
  switch (message) {
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return OnControlColor(message, wParam, lParam);
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case kRunRequestMessage:
      return OnRunRequest(lParam);
    case WM_DESTROY:
      if (isMainWindow_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProcA(hwnd_, message, wParam, lParam);
      // hwnd_ stays as it is: workers may still read it, and a message sent to a
      // destroyed window simply fails.
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      return result;
    }
    default:
      break;
  }
  if (message >= WM_USER) {
    auto handler = handlers_.find(message);
    if (handler != handlers_.end()) return handler->second(wParam, lParam);
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::OnCommand(WPARAM wParam, LPARAM lParam) {
  auto control = controls_.find(reinterpret_cast<HWND>(lParam));
  if (lParam != 0 && control != controls_.end()) control->second->OnNotification(HIWORD(wParam));
  return 0;
}

LRESULT Window::OnControlColor(UINT message, WPARAM wParam, LPARAM lParam) {
  auto control = controls_.find(reinterpret_cast<HWND>(lParam));
  if (control != controls_.end()) {
    if (HBRUSH brush = control->second->OnColor(reinterpret_cast<HDC>(wParam))) {
      return reinterpret_cast<LRESULT>(brush);
    }
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Each activation gives the focus back to the control that last had it; without
// a dialog manager nobody else would.
void Window::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  if (IsIconic(hwnd_)) return;
  if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowEnabled(GetParent(lastFocus_))) {
    SetFocus(lastFocus_);
  } else {
    SetFocus(hwnd_);
  }
}

LRESULT Window::OnRunRequest(LPARAM lParam) {
  const auto* action = reinterpret_cast<const std::function<void()>*>(lParam);
  {
    std::lock_guard<std::mutex> lock(requestsMutex_);
    // Taken off the list so that a repeated message cannot run it twice.
    if (requests_.erase(action) == 0) return 0;
  }
  (*action)();
  return 0;
}

}  // namespace quellor::ui
