#pragma once
// What every child control of our windows shares: its handle, a stable control
// ID, the font, and the hooks through which its parent form hands it the
// notifications the control sends upwards.

#include <windows.h>

#include <string>
#include <string_view>

namespace quellor::ui {

class Window;

struct Placement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  HWND hwnd() const { return hwnd_; }

  // WM_COMMAND notification codes (BN_CLICKED, EN_CHANGE, ...) sent by this control.
  virtual void OnNotification(UINT /*code*/) {}
  // WM_CTLCOLOR* for this control: a brush to paint it with, or nullptr for the
  // system's default colours.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }

 protected:
  // Creates the control as a visible child of parent, in the default font, and
  // registers it with form so that its notifications reach it. The window owns the
  // control's HWND and destroys it with itself; this object never does.
  void CreateChild(Window& form, HWND parent, int id, const char* windowClass,
                   std::string_view text, DWORD style, DWORD exStyle, Placement where);

  HWND hwnd_ = nullptr;
};

// The font every control is given. A child window created with CreateWindowEx
// draws in the old bitmap System font until it is sent WM_SETFONT; the font a
// Windows user sees in standard dialogs and controls is DEFAULT_GUI_FONT, so that
// is this program's "default font for each kind of control".
HFONT DefaultControlFont();

// Width and height of text as drawn in font.
SIZE MeasureText(std::string_view text, HFONT font);

// The whole text of a window (WM_GETTEXT), as bytes.
std::string WindowText(HWND hwnd);

}  // namespace quellor::ui
