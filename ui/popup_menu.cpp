#include "ui/popup_menu.h"

#include <string>

namespace quellor::ui {

void PopupMenu::AddItem(std::string_view text, std::function<void()> onChoose) {
  if (handle() == nullptr) return;
  handlers_.push_back(std::move(onChoose));
  const std::string caption(text);
  // Item IDs start at 1: TrackPopupMenu returns 0 when nothing was chosen.
  AppendMenuA(handle(), MF_STRING, handlers_.size(), caption.c_str());
}

void PopupMenu::Show(HWND owner, POINT where) {
  if (handle() == nullptr) return;
  const BOOL chosen = TrackPopupMenu(handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                     where.x, where.y, 0, owner, nullptr);
  if (chosen > 0 && static_cast<std::size_t>(chosen) <= handlers_.size()) {
    const auto& handler = handlers_[static_cast<std::size_t>(chosen) - 1];
    if (handler) handler();
  }
}

}  // namespace quellor::ui
