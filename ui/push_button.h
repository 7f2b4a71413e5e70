#pragma once
// A push button; its click (BN_CLICKED: mouse, keyboard or BM_CLICK) runs onClick.

#include <functional>
#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class PushButton : public Control {
 public:
  void Create(Window& form, HWND parent, int id, std::string_view caption, Placement where);
  void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void OnNotification(UINT code) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace quellor::ui
