#pragma once
// Reading and working the controls of another process's window. Texts are the
// 8-bit ANSI bytes the controls hold (code page 1251 under the test prefix).

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quellor::gui {

std::string ClassOf(HWND window);
// The whole text through WM_GETTEXTLENGTH / WM_GETTEXT, whatever its length.
std::string TextOf(HWND window);
// The window's rectangle in its parent's client coordinates (on the screen for
// a top-level window).
RECT RectInParent(HWND window);
SIZE ClientSize(HWND window);
LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);
HWND ParentOf(HWND window);
bool IsChecked(HWND check_box);
bool IsEnabled(HWND window);

// Every descendant, panel children included, in the order EnumChildWindows gives.
std::vector<HWND> Descendants(HWND top);
// The direct children only, in z-order (creation order for plain child windows).
std::vector<HWND> Children(HWND parent);
// The first descendant of this class (case-insensitive) and caption, or nullptr.
HWND FindControl(HWND top, std::string_view class_name, std::string_view caption);

// Visible top-level windows of one process, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD process_id, std::string_view class_name = {});

// A click the way the keyboard or mouse would give it; Post when the click opens
// a modal dialog, so the test is not blocked until the dialog closes.
void SendClick(HWND button);
void PostClick(HWND button);
// A real left click at the centre of the window, through the system's input
// queue: it reaches the control only when the control can take input.
void MouseClick(HWND window);
void MouseRightClick(HWND window);

void SetText(HWND window, std::string_view text);
// Types each byte as one WM_CHAR, the way a keyboard enters text.
void TypeChars(HWND edit, std::string_view text);
void PressKey(HWND window, UINT virtual_key);

// EM_GETSEL of an edit box: the selection's start and end.
std::pair<DWORD, DWORD> Selection(HWND edit);
int FirstVisibleLine(HWND edit);

}  // namespace quellor::gui
