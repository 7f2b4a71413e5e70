#pragma once
// Working the program's modal dialogs and popup menus from outside: they are
// top-level windows of the program's process, found by class and contents.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quellor::gui {

// The common file dialog (open or save) shown by the process, or nullptr.
HWND WaitForFileDialog(DWORD process_id, DWORD timeout_ms);
// The folder-browsing dialog shown by the process, or nullptr.
HWND WaitForFolderDialog(DWORD process_id, DWORD timeout_ms);
// A message box (the question before replacing a file), or nullptr.
HWND WaitForQuestion(DWORD process_id, DWORD timeout_ms);
// True once no dialog of the process is shown.
bool WaitForNoDialog(DWORD process_id, DWORD timeout_ms);

// The name the file dialog proposes and the index of the filter entry shown.
std::string ProposedName(HWND file_dialog);
int FilterIndex(HWND file_dialog);
int FilterCount(HWND file_dialog);
// Chooses a filter entry as the user's click in the combo box would.
void ChooseFilter(HWND file_dialog, int index);
void SetName(HWND file_dialog, std::string_view name);

// Presses a dialog's button (IDOK, IDCANCEL, IDYES, ...) without waiting for
// what it leads to.
void PressButton(HWND dialog, int id);

// Selects a folder in the folder dialog, as a click in its tree would; the path
// lives in the program's memory for the message. False when it was not taken.
bool SelectFolder(HWND folder_dialog, DWORD process_id, const std::string& path);

// The process's popup menu once it shows.
HWND WaitForPopupMenu(DWORD process_id, DWORD timeout_ms);
// The number of items of the shown popup menu, or -1. Under Wine a menu handle
// means nothing outside its process, so the count is taken inside the program.
int MenuItemCount(HWND popup_menu, DWORD process_id);
// The same for a menu handle of the program (its menu bar, say).
int RemoteMenuItemCount(HMENU menu, DWORD process_id);
// Picks the menu's first item from the keyboard, or leaves the menu (Escape).
void ChooseFirstMenuItem(HWND popup_menu);
void LeaveMenu(HWND popup_menu);

}  // namespace quellor::gui
