#pragma once
// A multi-line edit box for a message log: both scroll bars, no wrapping, a
// sunken edge, no text limit of its own, and the program's own context menu in
// place of the edit control's.

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace quellor::ui {

class LogEdit : public Control {
 public:
  // Where the context menu is to open, in screen coordinates.
  using ContextMenuHandler = std::function<void(POINT where)>;

  void Create(Window& form, HWND parent, int id, Placement where);
  std::string Text() const { return WindowText(hwnd_); }
  // Sets the whole text: the caret goes to the start and the first lines show.
  void SetText(std::string_view text);
  // Index just past the CR LF that ends line 0, or the text's length if it has none.
  std::size_t FirstLineEnd() const;
  // Replaces [begin, end) with text, leaving the caret after it, scrolled into view.
  void ReplaceRange(std::size_t begin, std::size_t end, std::string_view text);
  void SetOnContextMenu(ContextMenuHandler handler) { onContextMenu_ = std::move(handler); }
  void UseWindowColour() { windowColour_ = true; }

  HBRUSH OnColor(HDC dc) override;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self);
  POINT KeyboardMenuPosition() const;

  ContextMenuHandler onContextMenu_;
  bool windowColour_ = false;
};

}  // namespace quellor::ui
