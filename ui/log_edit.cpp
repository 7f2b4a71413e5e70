#include "ui/log_edit.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/line_edit.h"
#include "ui/tab_filter.h"

namespace quellor::ui {
namespace {
constexpr UINT_PTR kSubclassId = 3;
}

void LogEdit::Create(Window& form, HWND parent, int id, Placement where) {
  CreateChild(form, parent, id, "EDIT", "",
              ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
              WS_EX_CLIENTEDGE, where);
  if (hwnd_ == nullptr) return;
  // The default limit (32K) would silently cut long logs.
  SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
  DropTabCharacters(hwnd_);
  SetWindowSubclass(hwnd_, &LogEdit::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void LogEdit::SetText(std::string_view text) {
  const std::string copy(text);
  SetWindowTextA(hwnd_, copy.c_str());
}

std::size_t LogEdit::FirstLineEnd() const {
  // Without wrapping, only CR LF starts a new line in an edit control.
  const LRESULT second = SendMessageA(hwnd_, EM_LINEINDEX, 1, 0);
  if (second >= 0) return static_cast<std::size_t>(second);
  const int length = GetWindowTextLengthA(hwnd_);
  return length > 0 ? static_cast<std::size_t>(length) : 0;
}

void LogEdit::ReplaceRange(std::size_t begin, std::size_t end, std::string_view text) {
  const std::string copy(text);
  SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(begin), static_cast<LPARAM>(end));
  SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
  SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

HBRUSH LogEdit::OnColor(HDC dc) { return windowColour_ ? WindowColourBrush(dc) : nullptr; }

// From the keyboard (Shift+F10, the menu key) the menu opens at the end of the
// selection, or at the nearest point of the visible area when that is scrolled away.
POINT LogEdit::KeyboardMenuPosition() const {
  DWORD selectionEnd = 0;
  SendMessageA(hwnd_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
  LRESULT position = SendMessageA(hwnd_, EM_POSFROMCHAR, selectionEnd, 0);
  if (position == -1 && selectionEnd > 0) {
    position = SendMessageA(hwnd_, EM_POSFROMCHAR, selectionEnd - 1, 0);
  }
  POINT where{0, 0};
  if (position != -1) {
    where.x = static_cast<short>(LOWORD(position));
    where.y = static_cast<short>(HIWORD(position));
  }
  RECT client{};
  GetClientRect(hwnd_, &client);
  where.x = std::clamp<LONG>(where.x, client.left, std::max(client.left, client.right - 1));
  where.y = std::clamp<LONG>(where.y, client.top, std::max(client.top, client.bottom - 1));
  ClientToScreen(hwnd_, &where);
  return where;
}

LRESULT CALLBACK LogEdit::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR self) {
  auto* log = reinterpret_cast<LogEdit*>(self);  // NOLINT(performance-no-int-to-ptr)
  switch (message) {
    case WM_CONTEXTMENU:
      if (log->onContextMenu_) {
        POINT where{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1 || (where.x == -1 && where.y == -1)) where = log->KeyboardMenuPosition();
        try {
          log->onContextMenu_(where);
        } catch (...) {
          // Nothing a menu command throws may leave the window procedure.
        }
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &LogEdit::Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace quellor::ui
