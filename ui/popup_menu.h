#pragma once
// A context menu whose items run their handlers when chosen.

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/handles.h"

namespace quellor::ui {

class PopupMenu {
 public:
  void Create() { menu_ = std::make_unique<UniqueMenu>(CreatePopupMenu()); }
  void AddItem(std::string_view text, std::function<void()> onChoose);
  // Shows the menu at a screen point and waits for the user; runs the chosen
  // item's handler, or nothing when the menu is left.
  void Show(HWND owner, POINT where);
  HMENU handle() const { return menu_ ? menu_->get() : nullptr; }

 private:
  std::unique_ptr<UniqueMenu> menu_;
  std::vector<std::function<void()>> handlers_;
};

}  // namespace quellor::ui
