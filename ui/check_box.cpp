#include "ui/check_box.h"

namespace quellor::ui {

void CheckBox::Create(Window& form, HWND parent, int id, std::string_view caption, int left,
                      int top) {
  const SIZE text = MeasureText(caption, DefaultControlFont());
  CreateChild(form, parent, id, "BUTTON", caption, BS_AUTOCHECKBOX, 0,
              {left, top, text.cx + kBoxWidth, text.cy});
}

}  // namespace quellor::ui
