#pragma once
// A check box that toggles itself (BS_AUTOCHECKBOX), sized to its caption plus
// the room for its box. Its state may be read from any thread: the query is a
// message the window's thread answers.

#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class CheckBox : public Control {
 public:
  // Width of the box and the gap before the caption.
  static constexpr int kBoxWidth = 24;

  void Create(Window& form, HWND parent, int id, std::string_view caption, int left, int top);
  bool IsChecked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

}  // namespace quellor::ui
