#include "tests/gui/driver/dialogs.h"

// clang-format off
#include <commctrl.h>
#include <shlobj.h>
// clang-format on

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/wait.h"

namespace quellor::gui {
namespace {

// Control ids of the explorer-style file dialog: the name box, as a combo box
// or an edit, and the filter combo box.
constexpr int kNameCombo = 0x47c;        // cmb13
constexpr int kNameEdit = 0x480;         // edt1
constexpr int kFilterCombo = 0x470;      // cmb1
constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU

HWND NameBox(HWND file_dialog) {
  HWND box = GetDlgItem(file_dialog, kNameCombo);
  return box != nullptr ? box : GetDlgItem(file_dialog, kNameEdit);
}

HWND TreeOf(HWND dialog) {
  for (HWND child : Descendants(dialog)) {
    if (ClassOf(child) == WC_TREEVIEWA) return child;
  }
  return nullptr;
}

HWND WaitForDialogWhere(DWORD process_id, DWORD timeout_ms, bool (*fits)(HWND)) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : TopLevelWindows(process_id, "#32770")) {
          if (fits(dialog)) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      timeout_ms);
  return found;
}

// Memory in another process, released with it.
class RemoteText {
 public:
  RemoteText(HANDLE process, const std::string& text) : process_(process) {
    address_ =
        VirtualAllocEx(process, nullptr, text.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ != nullptr &&
        !WriteProcessMemory(process, address_, text.c_str(), text.size() + 1, nullptr)) {
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
      address_ = nullptr;
    }
  }
  ~RemoteText() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteText(const RemoteText&) = delete;
  RemoteText& operator=(const RemoteText&) = delete;
  void* address() const { return address_; }

 private:
  HANDLE process_;
  void* address_ = nullptr;
};

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

HWND WaitForFileDialog(DWORD process_id, DWORD timeout_ms) {
  return WaitForDialogWhere(process_id, timeout_ms, [](HWND dialog) {
    return GetDlgItem(dialog, kFilterCombo) != nullptr && NameBox(dialog) != nullptr;
  });
}

HWND WaitForFolderDialog(DWORD process_id, DWORD timeout_ms) {
  return WaitForDialogWhere(process_id, timeout_ms,
                            [](HWND dialog) { return TreeOf(dialog) != nullptr; });
}

HWND WaitForQuestion(DWORD process_id, DWORD timeout_ms) {
  return WaitForDialogWhere(process_id, timeout_ms,
                            [](HWND dialog) { return GetDlgItem(dialog, IDYES) != nullptr; });
}

bool WaitForNoDialog(DWORD process_id, DWORD timeout_ms) {
  return WaitUntil([&] { return TopLevelWindows(process_id, "#32770").empty(); }, timeout_ms);
}

std::string ProposedName(HWND file_dialog) { return TextOf(NameBox(file_dialog)); }

int FilterIndex(HWND file_dialog) {
  return static_cast<int>(SendMessageA(GetDlgItem(file_dialog, kFilterCombo), CB_GETCURSEL, 0, 0));
}

int FilterCount(HWND file_dialog) {
  return static_cast<int>(SendMessageA(GetDlgItem(file_dialog, kFilterCombo), CB_GETCOUNT, 0, 0));
}

void ChooseFilter(HWND file_dialog, int index) {
  HWND combo = GetDlgItem(file_dialog, kFilterCombo);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  // A choice by mouse or keyboard ends with both notifications; the dialog
  // takes the new filter on the second.
  for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
    SendMessageA(file_dialog, WM_COMMAND, MAKEWPARAM(kFilterCombo, notification),
                 reinterpret_cast<LPARAM>(combo));
  }
}

void SetName(HWND file_dialog, std::string_view name) { SetText(NameBox(file_dialog), name); }

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool SelectFolder(HWND folder_dialog, DWORD process_id, const std::string& path) {
  HWND tree = TreeOf(folder_dialog);
  if (tree == nullptr) return false;
  Handle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process_id));
  if (process.get() == nullptr) return false;
  RemoteText remote(process.get(), path);
  if (remote.address() == nullptr) return false;
  // At the first display the tree goes on filling for a while, and a selection
  // asked for meanwhile finds nothing: ask again until an item is selected (the
  // dialog selects nothing in advance).
  return WaitUntil([&] {
    SendMessageA(folder_dialog, BFFM_SETSELECTIONA, TRUE,
                 reinterpret_cast<LPARAM>(remote.address()));
    if (SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0) return true;
    Sleep(100);
    return false;
  });
}

HWND WaitForPopupMenu(DWORD process_id, DWORD timeout_ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        auto menus = TopLevelWindows(process_id, "#32768");
        if (menus.empty()) return false;
        found = menus.front();
        return true;
      },
      timeout_ms);
  return found;
}

int MenuItemCount(HWND popup_menu, DWORD process_id) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the message answers with a handle.
  auto menu = reinterpret_cast<HMENU>(SendMessageA(popup_menu, kMenuGetHandle, 0, 0));
  return RemoteMenuItemCount(menu, process_id);
}

int RemoteMenuItemCount(HMENU menu, DWORD process_id) {
  if (menu == nullptr) return -1;
  // GetMenuItemCount takes one argument, as a thread routine does, and user32
  // sits at the same address in every process of the prefix.
  auto count_items = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetMenuItemCount")));
  Handle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                 PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                             FALSE, process_id));
  if (process.get() == nullptr || count_items == nullptr) return -1;
  Handle thread(CreateRemoteThread(process.get(), nullptr, 0, count_items, menu, 0, nullptr));
  if (thread.get() == nullptr || WaitForSingleObject(thread.get(), kPatience) != WAIT_OBJECT_0) {
    return -1;
  }
  DWORD count = 0;
  GetExitCodeThread(thread.get(), &count);
  return static_cast<int>(count);
}

void ChooseFirstMenuItem(HWND popup_menu) {
  PressKey(popup_menu, VK_DOWN);
  PressKey(popup_menu, VK_RETURN);
}

void LeaveMenu(HWND popup_menu) {
  PressKey(popup_menu, VK_ESCAPE);
  PressKey(popup_menu, VK_ESCAPE);
}

}  // namespace quellor::gui
