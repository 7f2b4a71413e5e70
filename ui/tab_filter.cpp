#include "ui/tab_filter.h"

#include <commctrl.h>

namespace quellor::ui {
namespace {

constexpr UINT_PTR kSubclassId = 2;

LRESULT CALLBACK FilterTabs(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                            DWORD_PTR /*data*/) {
  if (message == WM_CHAR && wParam == '\t') return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &FilterTabs, kSubclassId);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void DropTabCharacters(HWND edit) {
  if (edit != nullptr) SetWindowSubclass(edit, &FilterTabs, kSubclassId, 0);
}

}  // namespace quellor::ui
