#pragma once
// The open/save file dialog. It remembers, from one display to the next, the file
// name (the chosen full path after a confirmed display, empty after a cancelled
// one) and the filter entry chosen at the last confirmed display.

// clang-format off
#include <windows.h>
#include <commdlg.h>  // needs windows.h first
// clang-format on

#include <string>
#include <string_view>

namespace quellor::ui {

class FileDialog {
 public:
  enum class Mode { kOpen, kSave };

  // A path of at most this many characters can be chosen.
  static constexpr DWORD kMaxPath = MAX_PATH + 1;
  static constexpr DWORD kOptions = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                                    OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_LONGNAMES |
                                    OFN_ENABLESIZING;

  void SetFilter(std::string_view barSeparated);
  void SetOwner(HWND owner) { owner_ = owner; }
  void SetMode(Mode mode) { mode_ = mode; }
  // Shows the dialog modally over its owner; true when the user confirmed a file.
  bool Show();
  // The chosen full path after a confirmed display.
  const std::string& FileName() const { return fileName_; }

 private:
  Mode mode_ = Mode::kOpen;
  HWND owner_ = nullptr;
  std::string filter_;
  DWORD filterIndex_ = 1;
  std::string fileName_;
};

}  // namespace quellor::ui
