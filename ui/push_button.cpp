#include "ui/push_button.h"

namespace quellor::ui {

void PushButton::Create(Window& form, HWND parent, int id, std::string_view caption,
                        Placement where) {
  CreateChild(form, parent, id, "BUTTON", caption, BS_PUSHBUTTON, 0, where);
}

void PushButton::OnNotification(UINT code) {
  if (code == BN_CLICKED && onClick_) onClick_();
}

}  // namespace quellor::ui
