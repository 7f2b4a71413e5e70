#pragma once
// A panel: a STATIC control with a raised frame (WS_DLGFRAME) whose own text is
// its caption, centred in its top line. Controls placed on it are its real
// children, so disabling the panel takes their input away too, and the caption
// is drawn greyed. A STATIC passes no notification upwards by itself: the panel
// forwards its children's WM_COMMAND and WM_CTLCOLOR* to the form.

#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class Panel : public Control {
 public:
  void Create(Window& form, int id, std::string_view caption, Placement where);
  void SetEnabled(bool enabled);
  bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

 private:
  static LRESULT CALLBACK Forward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR form);
};

}  // namespace quellor::ui
