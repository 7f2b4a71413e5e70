#pragma once
// A static text sized to its caption as drawn in its font.

#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class Label : public Control {
 public:
  void Create(Window& form, HWND parent, int id, std::string_view caption, int left, int top);
};

}  // namespace quellor::ui
