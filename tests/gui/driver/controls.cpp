#include "tests/gui/driver/controls.h"

#include <algorithm>
#include <cctype>

namespace quellor::gui {
namespace {

bool SameClass(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

POINT CentreOnScreen(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MouseButton(HWND window, DWORD down, DWORD up) {
  const POINT p = CentreOnScreen(window);
  SetCursorPos(p.x, p.y);
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
  }
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string TextOf(HWND window) {
  const auto length = static_cast<size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  const auto copied = static_cast<size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

RECT RectInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent != nullptr && parent != GetDesktopWindow()) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }
HWND ParentOf(HWND window) { return GetAncestor(window, GA_PARENT); }

bool IsChecked(HWND check_box) { return SendMessageA(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

std::vector<HWND> Descendants(HWND top) {
  std::vector<HWND> list;
  EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> list;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    list.push_back(child);
  }
  return list;
}

HWND FindControl(HWND top, std::string_view class_name, std::string_view caption) {
  for (HWND window : Descendants(top)) {
    if (SameClass(ClassOf(window), class_name) && TextOf(window) == caption) return window;
  }
  return nullptr;
}

std::vector<HWND> TopLevelWindows(DWORD process_id, std::string_view class_name) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> mine;
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != process_id || !IsWindowVisible(window)) continue;
    if (!class_name.empty() && !SameClass(ClassOf(window), class_name)) continue;
    mine.push_back(window);
  }
  return mine;
}

void SendClick(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void MouseClick(HWND window) { MouseButton(window, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void MouseRightClick(HWND window) {
  MouseButton(window, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void SetText(HWND window, std::string_view text) {
  const std::string copy(text);
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void TypeChars(HWND edit, std::string_view text) {
  for (char c : text) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
}

void PressKey(HWND window, UINT virtual_key) {
  PostMessageA(window, WM_KEYDOWN, virtual_key, 1);
  PostMessageA(window, WM_KEYUP, virtual_key, 0xC0000001);
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
  const auto packed = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
  return {LOWORD(packed), HIWORD(packed)};
}

int FirstVisibleLine(HWND edit) {
  return static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
}

}  // namespace quellor::gui
