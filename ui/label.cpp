#include "ui/label.h"

namespace quellor::ui {

void Label::Create(Window& form, HWND parent, int id, std::string_view caption, int left, int top) {
  const SIZE text = MeasureText(caption, DefaultControlFont());
  CreateChild(form, parent, id, "STATIC", caption, SS_LEFT, 0, {left, top, text.cx, text.cy});
}

}  // namespace quellor::ui
