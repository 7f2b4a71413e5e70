#include "ui/line_edit.h"

#include "ui/tab_filter.h"

namespace quellor::ui {

void LineEdit::Create(Window& form, HWND parent, int id, std::string_view text, Placement where) {
  CreateChild(form, parent, id, "EDIT", text, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, where);
  DropTabCharacters(hwnd_);
}

void LineEdit::SetText(std::string_view text) {
  const std::string copy(text);
  SetWindowTextA(hwnd_, copy.c_str());
}

void LineEdit::OnNotification(UINT code) {
  if (code == EN_CHANGE && onChange_) onChange_();
}

HBRUSH LineEdit::OnColor(HDC dc) { return windowColour_ ? WindowColourBrush(dc) : nullptr; }

HBRUSH WindowColourBrush(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace quellor::ui
