#include "ui/control.h"

#include <string>

#include "ui/window.h"

namespace quellor::ui {

void Control::CreateChild(Window& form, HWND parent, int id, const char* windowClass,
                          std::string_view text, DWORD style, DWORD exStyle, Placement where) {
  const std::string caption(text);
  hwnd_ = CreateWindowExA(exStyle, windowClass, caption.c_str(), style | WS_CHILD | WS_VISIBLE,
                          where.left, where.top, where.width, where.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleA(nullptr), nullptr);
  if (hwnd_ == nullptr) return;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont()), FALSE);
  form.RegisterControl(hwnd_, this);
}

HFONT DefaultControlFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

SIZE MeasureText(std::string_view text, HFONT font) {
  SIZE size{0, 0};
  HDC dc = GetDC(nullptr);
  if (dc == nullptr) return size;
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size;
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace quellor::ui
