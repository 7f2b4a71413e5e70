#include "ui/panel.h"

#include <commctrl.h>

#include "ui/window.h"

namespace quellor::ui {
namespace {
constexpr UINT_PTR kSubclassId = 1;
}

void Panel::Create(Window& form, int id, std::string_view caption, Placement where) {
  CreateChild(form, form.hwnd(), id, "STATIC", caption, SS_CENTER | WS_DLGFRAME, 0, where);
  if (hwnd_ != nullptr) {
    SetWindowSubclass(hwnd_, &Panel::Forward, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(form.hwnd()));
  }
}

void Panel::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  // The STATIC repaints itself for its new state right over its children, which
  // are not told to paint again: redraw them too, or they vanish from sight.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Panel::Forward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*id*/, DWORD_PTR form) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      // NOLINTNEXTLINE(performance-no-int-to-ptr): the form's handle rides in the ref data
      return SendMessageA(reinterpret_cast<HWND>(form), message, wParam, lParam);
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &Panel::Forward, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace quellor::ui
