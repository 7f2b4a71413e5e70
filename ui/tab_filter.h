#pragma once
// Our windows have no keyboard navigation: the Tab key neither moves the focus
// nor types a tab. Edit controls insert one on their own, so they are subclassed
// to drop it.

#include <windows.h>

namespace quellor::ui {

void DropTabCharacters(HWND edit);

}  // namespace quellor::ui
