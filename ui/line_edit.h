#pragma once
// A single-line edit box with a sunken edge that scrolls sideways; every change
// of its text (typing, deleting, pasting, WM_SETTEXT) runs onChange.

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class LineEdit : public Control {
 public:
  void Create(Window& form, HWND parent, int id, std::string_view text, Placement where);
  std::string Text() const { return WindowText(hwnd_); }
  void SetText(std::string_view text);
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
  // Paint the background in the system window colour (COLOR_WINDOW).
  void UseWindowColour() { windowColour_ = true; }

  void OnNotification(UINT code) override;
  HBRUSH OnColor(HDC dc) override;

 private:
  std::function<void()> onChange_;
  bool windowColour_ = false;
};

// The colours of an edit box painted in the system window colour.
HBRUSH WindowColourBrush(HDC dc);

}  // namespace quellor::ui
